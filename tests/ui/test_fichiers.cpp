// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QFile>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Banc.h"
#include "dialogues/FrmCoul.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "textes/Textes.h"

using namespace banc;

namespace {

QByteArray Octets(std::initializer_list<int> valeurs)
{
    QByteArray o;
    for (const int v : valeurs)
        o.append(static_cast<char>(v));
    return o;
}

// While it lives, no file can grow past `octets` bytes: a write beyond fails
// as on a full disk (the signal that would end the process is ignored).
class DisquePlein {
public:
    explicit DisquePlein(rlim_t octets)
    {
        ::getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limite{octets, avant_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limite);
    }
    ~DisquePlein()
    {
        ::setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }

private:
    rlimit avant_{};
    void (*signal_)(int) = nullptr;
};

// Closes the colour editor from inside its modal loop with `action`.
template <typename Action> void DansLEditeur(Action action)
{
    QTimer::singleShot(0, [action] {
        auto* editeur = qobject_cast<FrmCoul*>(QApplication::activeModalWidget());
        QVERIFY(editeur);
        action(*editeur);
    });
}

}  // namespace

class TestFichiers : public QObject {
    Q_OBJECT
private slots:
    void lesDialoguesRecoiventLeursReglagesAChaqueFois()
    {
        Banc b;
        b.Menu("MnuSave");
        b.Menu("MnuLoad");
        b.Menu("MnuAffLoad");
        b.Menu("MnuAffSave");
        const QString dossier = QString::fromStdString(b.Dossier().string());
        const auto& u = b.Dialogues->Usages;
        QCOMPARE(u.size(), 4u);
        const auto verifier = [&](std::size_t i, const char* methode, const char* titre, int flags, const char* filtre,
                                  const char* extension) {
            QCOMPARE(u[i].Methode, QString::fromUtf8(methode));
            QCOMPARE(u[i].Parametres.FileName, QString());
            QCOMPARE(u[i].Parametres.DialogTitle, QString::fromUtf8(titre));
            QCOMPARE(ValeurOptions(u[i].Parametres.Flags), flags);
            QCOMPARE(u[i].Parametres.Filter, QString::fromUtf8(filtre));
            QCOMPARE(u[i].Parametres.DefaultExt, QString::fromUtf8(extension));
            QCOMPARE(u[i].Parametres.InitDir, dossier);
        };
        verifier(0, "ShowSave", "Enregistrer une partie en cours", 2131974,
                 "Fichier partie (*.prt)|*.prt|Tous le fichiers (*.*)|*.*", "*.prt");
        verifier(1, "ShowOpen", "Chargement d'une partie", 6148, "Fichier partie|*.prt|Tous le fichiers|*.*", "*.prt");
        verifier(2, "ShowOpen", "Chargement d'un profil couleur", 6148,
                 "Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*", "*.usr");
        verifier(3, "ShowSave", "Enregistrer le profil couleur en cours", 2131974,
                 "Fichier user (*.usr)|*.usr|Tous le fichiers (*.*)|*.*", "*.usr");
    }

    void annulerNEcritNiNeChangeRien()
    {
        Banc b;
        b.Jouer(b.AutreCode(0));
        const auto avant = b.Capturer();
        const auto fichiers = QDir(b.Chemin({})).entryList(QDir::Files);
        b.Menu("MnuSave");
        b.Menu("MnuLoad");
        b.Menu("MnuAffLoad");
        b.Menu("MnuAffSave");
        QVERIFY(b.Capturer() == avant);
        QCOMPARE(QDir(b.Chemin({})).entryList(QDir::Files), fichiers);
        QVERIFY(b.Boites->Appels.empty());
    }

    void sauverPuisChargerRestaureLaPartie()
    {
        Banc b;
        for (int i = 0; i < 13; ++i)
            b.Jouer(b.AutreCode(i));
        b.Clic(b.Source(2));
        b.Clic(b.Move(1));
        b.Clic(b.Move(1));
        const QString chemin = b.Chemin(QStringLiteral("partie.prt"));
        QVERIFY(b.Commande("MnuSave", chemin));
        QCOMPARE(Contenu(chemin).size(), 8 + 2 * 13);
        const auto sauve = b.Capturer();

        b.Menu("MnuNew");
        b.Jouer(b.AutreCode(40));
        b.Clic(b.Case(1));
        const auto avantChargement = b.Etat();
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuLoad");
        const auto charge = b.Capturer();
        QCOMPARE(charge.Etat.NbCoups, 13);
        QCOMPARE(charge.Etat.CodeSecret, sauve.Etat.CodeSecret);
        for (int k = 1; k <= 13; ++k)
            QCOMPARE(charge.Etat.Historique[k], sauve.Etat.Historique[k]);
        QCOMPARE(charge.Positions, sauve.Positions);
        // Loading leaves the scroll bar where the previous game had it (the top).
        QCOMPARE(charge.Value, 1);
        b.Defilement()->setValue(sauve.Value);
        QCOMPARE(b.Capturer().Textes, sauve.Textes);
        QVERIFY(charge.OkActif);
        // The code cells show the last move in the colours of its numbers.
        const auto dernier = b.AutreCode(12);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(int(charge.Etat.CasesCode[i]), dernier[i]);
            QCOMPARE(b.Case(i)->BackColor(), b.Source(dernier[i] - 1)->BackColor());
        }
        // The cursor and the last swatch clicked are not part of a saved game.
        QCOMPARE(charge.Etat.CaseCourante, avantChargement.CaseCourante);
        QCOMPARE(charge.Etat.CoulSelect, avantChargement.CoulSelect);
    }

    void uneVictoireChargeeDesactiveValiderEtUnePartieVideGardeLesCouleurs()
    {
        Banc b;
        const QString gagnee = b.Chemin(QStringLiteral("gagnee.prt"));
        const QString vide = b.Chemin(QStringLiteral("vide.prt"));
        b.Dialogues->Reponses.push_back(vide);
        b.Menu("MnuSave");
        b.Jouer(b.AutreCode(0));
        b.Jouer(b.CodeSecret());
        b.Dialogues->Reponses.push_back(gagnee);
        b.Menu("MnuSave");

        b.Menu("MnuNew");
        b.Dialogues->Reponses.push_back(gagnee);
        b.Menu("MnuLoad");
        QVERIFY(!b.Ok()->isEnabled());
        QCOMPARE(b.BiPl(1)->text(), QStringLiteral("4"));

        const auto couleurs = b.Case(0)->BackColor();
        b.Dialogues->Reponses.push_back(vide);
        b.Menu("MnuLoad");
        QVERIFY(b.Ok()->isEnabled());
        QCOMPARE(b.Etat().NbCoups, 0);
        QCOMPARE(b.Etat().CasesCode, (std::array<std::int16_t, 4>{0, 0, 0, 0}));
        QCOMPARE(b.Case(0)->BackColor(), couleurs);
        QCOMPARE(b.BiPl(0)->text(), QString());
    }

    void unePartiePerdueACentCoupsSeChargeActive()
    {
        Banc b;
        PartieSauvee cent;
        cent.CodeSecret = {1, 2, 3, 4};
        for (const auto& c : TousLesCodes())
            if (cent.Coups.size() < 100 && c != cent.CodeSecret)
                cent.Coups.push_back({char('0' + c[0]), char('0' + c[1]), char('0' + c[2]), char('0' + c[3])});
        const QString chemin = b.Chemin(QStringLiteral("cent.prt"));
        QCOMPARE(EcrireFichierPartie(b.Dossier() / "cent.prt", cent), ErreurFichier::Aucune);
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuLoad");
        QVERIFY(b.Ok()->isEnabled());
        QCOMPARE(b.Defilement()->value(), 1);  // where the new game had left it
        QCOMPARE(b.BiPl(0)->accessibleName().left(7), QStringLiteral("Coup 1 "));
        b.Jouer({8, 5, 1, 2});
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Fin de partie"));
        QVERIFY(!b.Ok()->isEnabled());
        QCOMPARE(b.Etat().NbCoups, 100);
    }

    void unFichierRefuseNeChangeRien_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("texte");
        QTest::newRow("version") << Octets({2, 0x12, 0x34, 0, 0x11, 0x11, 0x11, 0x11})
                                 << QStringLiteral("Conflit de version.");
        QTest::newRow("court") << Octets({1, 0x12, 0x34, 3, 0x56, 0x78}) << QStringLiteral("incomplet");
        QTest::newRow("vide") << QByteArray() << QStringLiteral("incomplet");
        QTest::newRow("plus de 100 coups")
            << Octets({1, 0x12, 0x34, 101}) + QByteArray(206, 0x11) << QStringLiteral("plus de 100 coups");
        QTest::newRow("code hors palette")
            << Octets({1, 0x92, 0x34, 0, 0x11, 0x11, 0x11, 0x11}) << QStringLiteral("hors de 1 à 8");
        QTest::newRow("dossier") << QByteArray("<dossier>") << QStringLiteral("n'est pas un fichier ordinaire");
        QTest::newRow("tube") << QByteArray("<tube>") << QStringLiteral("n'est pas un fichier ordinaire");
        QTest::newRow("code secret répété")
            << Octets({1, 0x33, 0x33, 1, 0x31, 0x24, 0x11, 0x11, 0x11, 0x11}) << QStringLiteral("répète une couleur");
        QTest::newRow("coup après la victoire")
            << Octets({1, 0x12, 0x34, 2, 0x12, 0x34, 0x56, 0x78, 0x11, 0x11, 0x11, 0x11})
            << QStringLiteral("après le coup gagnant");
        QTest::newRow("coup hors palette")
            << Octets({1, 0x12, 0x34, 1, 0x50, 0x78, 0x11, 0x11, 0x11, 0x11}) << QStringLiteral("hors de 1 à 8");
    }

    void unFichierRefuseNeChangeRien()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, texte);
        Banc b;
        for (int i = 0; i < 12; ++i)
            b.Jouer(b.AutreCode(i));
        b.Clic(b.Source(5));
        b.Clic(b.Move(1));
        b.Defilement()->setValue(1);
        const QString chemin = b.Chemin(QStringLiteral("abime.prt"));
        if (octets == "<dossier>")
            QVERIFY(QDir().mkdir(chemin));
        else if (octets == "<tube>")
            QCOMPARE(::mkfifo(QFile::encodeName(chemin).constData(), 0666), 0);
        else
            Ecrire(chemin, octets);
        const auto avant = b.Capturer();
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuLoad");
        QVERIFY(b.Capturer() == avant);
        QCOMPARE(b.Boites->Appels.size(), 1u);
        QVERIFY2(b.Boites->Appels[0].Texte.contains(texte), qPrintable(b.Boites->Appels[0].Texte));
        QCOMPARE(b.Boites->Appels[0].Titre, QStringLiteral("Erreur"));
        QCOMPARE(b.Boites->Appels[0].Style, styles::Stop);
    }

    void uneSauvegardeDeDeuxCoupsSurUnFichierDeDix()
    {
        Banc b;
        const QString chemin = b.Chemin(QStringLiteral("p.prt"));
        for (int i = 0; i < 10; ++i)
            b.Jouer(b.AutreCode(i));
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuSave");
        const QByteArray dix = Contenu(chemin);
        b.Menu("MnuNew");
        b.Jouer(b.AutreCode(20));
        b.Jouer(b.AutreCode(21));
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuSave");
        const QByteArray deux = Contenu(chemin);
        QCOMPARE(deux.size(), 28);
        QCOMPARE(deux.right(16), dix.right(16));
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuLoad");
        QCOMPARE(b.Etat().NbCoups, 2);
    }

    void uneSauvegardeImpossibleLeDitEtNeLaisseRien()
    {
        Banc b;
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("absent/partie.prt")));
        QVERIFY(EchecDeSauvegarde(b));
        QCOMPARE(b.Boites->Appels.size(), 1u);
        QVERIFY(b.Boites->Appels[0].Texte.contains(QStringLiteral("partie.prt")));
        QCOMPARE(b.Boites->Appels[0].Style, styles::Stop);

        // A named pipe is refused at once, for a game and for a profile.
        const QString tube = b.Chemin(QStringLiteral("tube"));
        QCOMPARE(::mkfifo(QFile::encodeName(tube).constData(), 0666), 0);
        b.Dialogues->Reponses = {tube, tube};
        QVERIFY(EchecDeSauvegarde(b));
        b.Menu("MnuAffSave");
        QCOMPARE(b.Boites->Appels.size(), 3u);
        QVERIFY(b.Boites->Appels[1].Texte.contains(QStringLiteral("n'est pas un fichier ordinaire")));
        QVERIFY(b.Boites->Appels[2].Texte.startsWith(QStringLiteral("Le profil n'a pas pu être enregistré")));

        // A disk that fills up half-way: the old game stays whole, no new file appears.
        for (int i = 0; i < 10; ++i)
            b.Jouer(b.AutreCode(i));
        const QString ancienne = b.Chemin(QStringLiteral("ancienne.prt"));
        QVERIFY(b.Commande("MnuSave", ancienne));
        const QByteArray avant = Contenu(ancienne);
        b.Menu("MnuNew");
        b.Jouer(b.AutreCode(0));
        const auto fichiers = QDir(b.Chemin({})).entryList(QDir::Files | QDir::Hidden);
        {
            const DisquePlein plein(9);
            b.Dialogues->Reponses = {ancienne, b.Chemin(QStringLiteral("nouvelle.prt"))};
            QVERIFY(EchecDeSauvegarde(b));
            QVERIFY(EchecDeSauvegarde(b));
        }
        QCOMPARE(Contenu(ancienne), avant);
        QCOMPARE(QDir(b.Chemin({})).entryList(QDir::Files | QDir::Hidden), fichiers);
        QVERIFY(b.Boites->Appels.back().Texte.contains(QStringLiteral("nouvelle.prt")));
    }

    void laQuestionEnQuittant()
    {
        Banc b;
        auto& f = b.F();
        f.show();
        b.Jouer(b.AutreCode(0));
        const auto avant = b.Capturer();

        b.Boites->Reponses.push_back(Reponse::Annuler);  // also Escape and the box's close button
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QVERIFY(b.Capturer() == avant);
        QCOMPARE(b.Boites->Appels.back().Texte,
                 QStringLiteral("Voulez-vous enregistrer votre partie avant de quitter le Vorlinde ?"));
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Quitter ?"));
        QCOMPARE(b.Boites->Appels.back().Style, styles::QuestionOuiNonAnnuler);

        // Yes with a save that fails: the window and the game stay.
        b.Boites->Reponses = {Reponse::Oui};
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("absent/p.prt")));
        b.Menu("MnuQuit");
        QVERIFY(f.isVisible());

        // Yes then a cancelled dialog: the window closes, nothing is written.
        b.Boites->Reponses = {Reponse::Oui};
        QVERIFY(f.close());
        QVERIFY(!QFile::exists(b.Chemin(QStringLiteral("absent/p.prt"))));

        f.show();
        b.Boites->Reponses = {Reponse::Oui};
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("q.prt")));
        QVERIFY(f.close());
        QCOMPARE(Contenu(b.Chemin(QStringLiteral("q.prt"))).size(), 10);

        // After a save, the question is asked all the same; No closes.
        f.show();
        const auto nb = b.Boites->Appels.size();
        b.Boites->Reponses = {Reponse::Non};
        QVERIFY(f.close());
        QCOMPARE(b.Boites->Appels.size(), nb + 1);
    }

    void lesProfilsSeSauventEtSeChargent()
    {
        Banc b;
        b.Jouer({3, 1, 2, 4});
        // Cell 0 shows colour 3: that colour is written as the code-cell colour.
        const QString chemin = b.Chemin(QStringLiteral("rouge.usr"));
        b.Dialogues->Reponses.push_back(chemin);
        b.Menu("MnuAffSave");
        QCOMPARE(Contenu(chemin),
                 QByteArray("65280\r\n16711680\r\n255\r\n65535\r\n16711935\r\n0\r\n16776960\r\n16777215\r\n255\r\n"));

        Ecrire(b.Chemin(QStringLiteral("autre.txt")), "1,2,3,4,5,6,7,8,9\r\n");
        b.Menu("MnuNew");
        b.Clic(b.Case(1));
        b.Clic(b.Source(5));  // cell 1 holds 6, cells 0, 2, 3 keep their numbers from before
        b.Jouer({3, 6, 2, 4});
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("autre.txt")));
        b.Menu("MnuAffLoad");
        QCOMPARE(b.Profil()[5], 6);
        QCOMPARE(b.Case(1)->BackColor(), 6);
        QCOMPARE(b.Resultat(1)->BackColor(), 6);
        QCOMPARE(b.Etat().NbCoups, 1);

        // The saved profile under the login name is the palette of every new game.
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("joueur.usr")));
        b.Menu("MnuAffSave");
        b.Menu("MnuNew");
        QCOMPARE(b.Source(0)->BackColor(), 1);
        QCOMPARE(b.Case(0)->BackColor(), 3);  // line 9 was cell 0's colour, number 3
    }

    void unProfilAbimeEstRefuseSansChangerDeCouleur()
    {
        Banc b;
        b.Jouer({3, 1, 2, 4});
        const auto avant = b.Capturer();
        QVERIFY(QDir().mkdir(b.Chemin(QStringLiteral("dossier.usr"))));
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("dossier.usr")));
        b.Menu("MnuAffLoad");
        QVERIFY(b.Capturer() == avant);
        QVERIFY(b.Boites->Appels.back().Texte.contains(QStringLiteral("n'est pas un fichier ordinaire")));
        for (const QByteArray& contenu : {QByteArray("1\r\n2\r\n3\r\n"), QByteArray("1,2,3,4,5,6,7,8,bleu\r\n"),
                                          QByteArray("1,2,3,4,5,6,7,8,16777216\r\n")}) {
            Ecrire(b.Chemin(QStringLiteral("abime.usr")), contenu);
            b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("abime.usr")));
            b.Menu("MnuAffLoad");
            QVERIFY(b.Capturer() == avant);
            QVERIFY(b.Boites->Appels.back().Texte.startsWith(QStringLiteral("Le profil du fichier")));
            QCOMPARE(b.Boites->Appels.back().Style, styles::Stop);
        }
    }

    void lEditeurDeCouleurs()
    {
        Banc b;
        const auto palette = b.Profil();

        // Edited then cancelled: nothing changes.
        b.Dialogues->Reponses.push_back(std::int32_t{111});
        DansLEditeur([](FrmCoul& e) {
            QCOMPARE(e.windowTitle(), QStringLiteral("Sélectionner la couleur à modifier"));
            QCOMPARE(e.size(), QSize(392, 93));
            QCOMPARE(Controle<BoutonCouleur>(e, QStringLiteral("LblCoulSource"), 7)->geometry(), QRect(344, 8, 41, 41));
            QCOMPARE(Controle<QPushButton>(e, QStringLiteral("CmdCancel"))->geometry(), QRect(200, 56, 185, 33));
            QCOMPARE(Controle<QPushButton>(e, QStringLiteral("CmdCancel"))->text(), QStringLiteral("&Annuler"));
            QVERIFY(!Controle<QPushButton>(e, QStringLiteral("CmdOK"))->isDefault()
                    && !Controle<QPushButton>(e, QStringLiteral("CmdOK"))->autoDefault()
                    && !Controle<QPushButton>(e, QStringLiteral("CmdCancel"))->autoDefault());
            QCOMPARE(e.focusWidget(), Controle<QPushButton>(e, QStringLiteral("CmdOK")));
            QTest::mouseClick(Controle<BoutonCouleur>(e, QStringLiteral("LblCoulSource"), 1), Qt::LeftButton);
            QCOMPARE(e.Palette()[1], 111);
            QTest::mouseClick(Controle<QPushButton>(e, QStringLiteral("CmdCancel")), Qt::LeftButton);
        });
        b.Menu("MnuCoul");
        QCOMPARE(b.Profil(), palette);

        // OK without edits, and a cancelled chooser: nothing changes either.
        DansLEditeur([](FrmCoul& e) {
            QTest::mouseClick(Controle<BoutonCouleur>(e, QStringLiteral("LblCoulSource"), 4), Qt::LeftButton);
            QTest::mouseClick(Controle<QPushButton>(e, QStringLiteral("CmdOK")), Qt::LeftButton);
        });
        b.Menu("MnuCoul");
        QCOMPARE(b.Profil(), palette);
        QCOMPARE(b.Dialogues->Usages.back().Parametres.Color, palette[4]);

        // Two swatches given the same colour: the game still tells them apart.
        b.Dialogues->Reponses.push_back(palette[0]);
        DansLEditeur([](FrmCoul& e) {
            QTest::mouseClick(Controle<BoutonCouleur>(e, QStringLiteral("LblCoulSource"), 1), Qt::LeftButton);
            QTest::keyClick(&e, Qt::Key_Escape);
        });
        b.Menu("MnuCoul");
        QCOMPARE(b.Profil(), palette);
        b.Dialogues->Reponses.push_back(palette[0]);
        DansLEditeur([](FrmCoul& e) {
            QTest::mouseClick(Controle<BoutonCouleur>(e, QStringLiteral("LblCoulSource"), 1), Qt::LeftButton);
            QTest::mouseClick(Controle<QPushButton>(e, QStringLiteral("CmdOK")), Qt::LeftButton);
        });
        b.Menu("MnuCoul");
        QCOMPARE(b.Source(1)->BackColor(), palette[0]);
        b.Jouer({1, 2, 3, 4});
        QCOMPARE(b.Etat().NbCoups, 1);
        b.Menu("MnuNew");
        QCOMPARE(b.Profil(), palette);
    }
};

QTEST_MAIN(TestFichiers)
#include "test_fichiers.moc"
