// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QScopeGuard>
#include <QtTest>

#include <functional>

#include "Banc.h"
#include "dialogues/FrmCoul.h"
#include "fenetre/Icone.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "plateau/DispositionPrinc.h"
#include "textes/Textes.h"

using namespace banc;

namespace {

QString Texte(const char* t)
{
    return QString::fromUtf8(t);
}

// What was on disk and on the board at the moment a screen reader was first
// told a text that starts with `Attendu`: from Qt 6.8 an announcement, before
// it the description of the control the focus moves to.
class Moment : public QObject {
public:
    static inline QString Attendu;
    static inline std::function<QString()> Constat;
    static inline QStringList Constats;

    static void Voir(const QString& dit)
    {
        if (dit.startsWith(Attendu) && Constats.isEmpty())
            Constats.append(Constat());
    }

    static void Ecouter([[maybe_unused]] QAccessibleEvent* evenement)
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (evenement->type() == QAccessible::Announcement)
            Voir(static_cast<QAccessibleAnnouncementEvent*>(evenement)->message());
#endif
    }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override
    {
        if (auto* controle = qobject_cast<QWidget*>(objet); controle != nullptr && event->type() == QEvent::FocusIn)
            Voir(controle->accessibleDescription());
        return false;
    }
};

const QByteArray ProfilDefaut
    = "65280\r\n16711680\r\n255\r\n65535\r\n16711935\r\n0\r\n16776960\r\n16777215\r\n8355711\r\n";

}  // namespace

class TestPlateau : public QObject {
    Q_OBJECT
private slots:
    void laFenetreSuitSaGeometrie()
    {
        Banc b;
        auto& f = b.F();
        QCOMPARE(f.windowTitle(), QStringLiteral("Vorlinde 1.0"));
        QCOMPARE(f.centralWidget()->size(), QSize(426, 570));
        QCOMPARE(b.Cadre(1)->geometry(), QRect(0, 0, 425, 209));
        QCOMPARE(b.Cadre(3)->geometry(), QRect(0, 288, 425, 281));
        QCOMPARE(b.Cadre(5)->geometry(), QRect(152, 16, 81, 257));
        QCOMPARE(b.Source(7)->geometry(), QRect(344, 16, 41, 41));
        QCOMPARE(b.Move(1)->geometry(), QRect(392, 176, 25, 25));
        QCOMPARE(b.Case(3)->geometry(), QRect(152, 16, 41, 41));
        QCOMPARE(b.Ok()->geometry(), QRect(232, 16, 185, 41));
        QCOMPARE(b.Resultat(39)->geometry(), QRect(80, 232, 17, 17));
        QCOMPARE(b.MalPl(9)->geometry(), QRect(8, 232, 57, 17));
        QCOMPARE(b.Defilement()->geometry(), QRect(400, 24, 17, 249));
        QCOMPARE(b.Case(0)->parentWidget(), b.Cadre(2));
        QCOMPARE(b.Resultat(0)->parentWidget(), b.Cadre(4));
        QCOMPARE(b.Cadre(6)->title(), QStringLiteral("Mal placé(s)"));
        QCOMPARE(b.Ok()->text(), QStringLiteral("&Valider le code"));
        QVERIFY(!b.Ok()->isDefault() && !b.Ok()->autoDefault());
        QVERIFY(b.BiPl(0)->alignment() & Qt::AlignHCenter);
        QCOMPARE(b.BiPl(0)->frameShape(), QFrame::NoFrame);
        // A counter lets its frame's own fill through; a colour cell paints
        // every pixel.
        QVERIFY(!b.BiPl(0)->testAttribute(Qt::WA_OpaquePaintEvent));
        QVERIFY(b.Case(0)->testAttribute(Qt::WA_OpaquePaintEvent));
        QCOMPARE(IconeProgramme().availableSizes().size(), 5);
    }

    // The desktop's text changes while the game runs: the board follows it,
    // every caption whole and above its frame's controls, the Tab order
    // unchanged; back to the usual text, the described board to the pixel.
    void leplateauSuitLaTailleDuTexte()
    {
        Banc b;
        auto& f = b.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const auto ordre = [&] {
            QList<QWidget*> vus{b.Case(0)};
            while (vus.size() < 20)
                vus.append(vus.back()->nextInFocusChain());
            return vus;
        };
        const auto ordreAvant = ordre();
        const QFont avant = QApplication::font();
        const auto remettre = qScopeGuard([&] { QApplication::setFont(avant); });
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 13));
        QTRY_VERIFY(f.centralWidget()->width() > 426);
        for (int n = 1; n <= 6; ++n) {
            auto* cadre = b.Cadre(n);
            const QFontMetrics mesure(cadre->font());
            QVERIFY2(mesure.horizontalAdvance(cadre->title()) < cadre->width(), qPrintable(cadre->title()));
            for (auto* controle : cadre->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                QVERIFY(cadre->rect().contains(controle->geometry()));
                QVERIFY2(controle->y() >= mesure.height(), qPrintable(controle->objectName()));
            }
        }
        QCOMPARE(ordre(), ordreAvant);
        QApplication::setFont(avant);
        QTRY_COMPARE(f.centralWidget()->size(), QSize(426, 570));
        QCOMPARE(b.Resultat(39)->geometry(), QRect(80, 232, 17, 17));
    }

    // Text from 9 to 20 pt on every screen from a netbook's to a desktop's:
    // the board fits wherever it can at its smallest scale; « Valider le
    // code », « H » and « B » are never smaller than their captions nor out
    // of their frames; the landscape board's columns end together and its
    // history's frames stand evenly apart.
    void leplateauTientSurToutEcran()
    {
        for (int ligne = 14; ligne <= 38; ligne += 4) {
            const int lettre = ligne * 6 / 10;
            BesoinsTexte besoins;
            for (int k = 1; k <= 6; ++k)
                besoins.Legende[k] = ligne;
            // The captions' lengths in letters, frame by frame.
            const std::array<int, 7> lettres{0, 18, 4, 18, 5, 13, 12};
            for (int k = 1; k <= 6; ++k)
                besoins.Largeur[k] = lettres[k] * lettre;
            besoins.HauteurTexte = ligne;
            besoins.Valider = QSize(17 * lettre, ligne + 10);
            besoins.Deplacer = QSize(lettre + 10, ligne + 6);
            for (int largeur = 800; largeur <= 2000; largeur += 40) {
                for (int hauteur = 440; hauteur <= 1100; hauteur += 30) {
                    const QSize place(largeur, hauteur);
                    const auto d = ChoisirDisposition(ligne / 14.0, place, besoins);
                    const auto nom
                        = qPrintable(QStringLiteral("%1 px text in %2x%3").arg(ligne).arg(largeur).arg(hauteur));
                    const auto tient = [&](const DispositionPrinc& e) {
                        return e.Client.width() <= largeur && e.Client.height() <= hauteur;
                    };
                    if (tient(DisposerPlateau(Arrangement::Paysage, EchelleMinimale, besoins))
                        || tient(DisposerPlateau(Arrangement::Portrait, EchelleMinimale, besoins)))
                        QVERIFY2(tient(d), nom);
                    QVERIFY2(d.OK.width() >= besoins.Valider.width() && d.OK.height() >= besoins.Valider.height(), nom);
                    QVERIFY2(d.OK.right() < d.Frame[2].width() && d.OK.bottom() < d.Frame[2].height(), nom);
                    for (const QRect& bouton : d.Move) {
                        QVERIFY2(bouton.width() >= besoins.Deplacer.width(), nom);
                        QVERIFY2(bouton.height() >= besoins.Deplacer.height(), nom);
                        QVERIFY2(bouton.left() > d.Source(NbCouleurs - 1, 0).right(), nom);
                        QVERIFY2(bouton.right() < d.Frame[1].width() && bouton.bottom() < d.Frame[1].height(), nom);
                    }
                    for (int k = 1; k <= 6; ++k)
                        QVERIFY2(d.Frame[k].width() >= besoins.Largeur[k], nom);
                    if (d.Sens == Arrangement::Paysage) {
                        QCOMPARE(d.Frame[2].bottom(), d.Frame[3].bottom());
                        const int ecart = d.Frame[5].left() - d.Frame[4].right();
                        QVERIFY2(std::abs(d.Frame[6].left() - d.Frame[5].right() - ecart) <= 1, nom);
                        QVERIFY2(std::abs(d.VScroll.left() - d.Frame[6].right() - ecart) <= 3, nom);
                    }
                }
            }
        }
    }

    void lOrdreDeTabulationCommenceDansLeCode()
    {
        Banc b;
        auto& f = b.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), b.Case(0));
        // The code cells, the swatches, « H », « B », « Valider le code »; the
        // history, empty, and its scroll bar, disabled until the eleventh
        // move, are passed by.
        std::vector<QWidget*> ordre{b.Case(1), b.Case(2), b.Case(3)};
        for (int k = 0; k < 8; ++k)
            ordre.push_back(b.Source(k));
        ordre.insert(ordre.end(), {b.Move(0), b.Move(1), b.Ok(), b.Case(0)});
        for (QWidget* suivant : ordre) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), suivant);
        }
        // A click leaves the focus where it is.
        QCOMPARE(b.Case(0)->focusPolicy(), Qt::TabFocus);
    }

    void lesMenusOntLeursTouchesEtRaccourcis()
    {
        Banc b;
        auto& f = b.F();
        const auto menus = f.menuBar()->actions();
        // The described menus first, the program's own after them.
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus[0]->text(), QStringLiteral("&Fichier"));
        QCOMPARE(menus[1]->text(), QStringLiteral("&Affichage"));
        QCOMPARE(menus[2]->text(), QStringLiteral("&Partie"));
        QCOMPARE(menus[3]->text(), QStringLiteral("Ai&de"));
        QStringList fichier, affichage;
        for (auto* a : menus[0]->menu()->actions())
            fichier << (a->isSeparator() ? QStringLiteral("-")
                                         : a->text() + QLatin1Char('|') + a->shortcut().toString());
        for (auto* a : menus[1]->menu()->actions())
            affichage << (a->isSeparator() ? QStringLiteral("-")
                                           : a->text() + QLatin1Char('|') + a->shortcut().toString());
        QCOMPARE(
            fichier,
            QStringList({QStringLiteral("&Nouveau|F2"), QStringLiteral("-"), QStringLiteral("&Sauvegarger|Ctrl+S"),
                         QStringLiteral("&Charger|Ctrl+O"), QStringLiteral("-"), QStringLiteral("&Quitter|Ctrl+Q")}));
        // The described items keep their places; the colour numbers come after them.
        QCOMPARE(affichage,
                 QStringList({QStringLiteral("&Choix des couleurs|Ctrl+C"), QStringLiteral("-"),
                              QStringLiteral("Chargement d'un &profil|"), QStringLiteral("&Sauvegarde d'un profil|"),
                              QStringLiteral("-"), QStringLiteral("&Temps de la partie|"),
                              QStringLiteral("Numéros des couleurs|")}));
        for (const char* coche : {"MnuNumeros", "MnuTemps", "MnuDifficile"}) {
            QVERIFY(b.Action(coche)->isCheckable());
            QVERIFY(!b.Action(coche)->isChecked());
        }
    }

    void lesRaccourcisLancentLeursCommandes()
    {
        Banc b;
        auto& f = b.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(b.Dialogues->Usages.size(), 2u);
        QCOMPARE(b.Dialogues->Usages[0].Methode, QStringLiteral("ShowSave"));
        QCOMPARE(b.Dialogues->Usages[1].Methode, QStringLiteral("ShowOpen"));

        b.Jouer(b.AutreCode(0));
        QCOMPARE(b.Etat().NbCoups, 1);
        QTest::keyClick(&f, Qt::Key_F2);
        QCOMPARE(b.Etat().NbCoups, 0);

        // Ctrl+C opens the colour editor, which a timer closes; nothing is copied.
        QApplication::clipboard()->setText(QStringLiteral("avant"));
        bool ouvert = false;
        QTimer::singleShot(0, [&] {
            auto* editeur = QApplication::activeModalWidget();
            ouvert = editeur && editeur->windowTitle() == QStringLiteral("Sélectionner la couleur à modifier");
            if (editeur)
                editeur->close();
        });
        QTest::keyClick(&f, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(ouvert);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("avant"));

        // Ctrl+Q asks the question of « Quitter »; « Annuler » keeps the game.
        b.Boites->Reponses.push_back(Reponse::Annuler);
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QTest::keyClick(&f, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!b.Boites->Appels.empty());
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Quitter ?"));
        QVERIFY(f.isVisible());
    }

    void lePremierDemarrageEcritLeProfilParDefaut()
    {
        Banc b;
        QCOMPARE(Contenu(b.Chemin(QStringLiteral("joueur.usr"))), ProfilDefaut);
        QCOMPARE(b.Profil(), ProfilParDefaut);
        QCOMPARE(b.Case(2)->BackColor(), 8355711);
        QCOMPARE(b.Case(2)->ForeColor(), 8421505);
        QVERIFY(b.Boites->Appels.empty());

        // Another login name gets its own file; the first is not read for it.
        Banc autre(1, "autre", b.Chemin({}).chopped(1));
        QVERIFY(QFile::exists(b.Chemin(QStringLiteral("autre.usr"))));
    }

    void unProfilModifieEstLuAuDemarrageSuivant()
    {
        QTemporaryDir dossier;
        Ecrire(dossier.filePath(QStringLiteral("JOUEUR.USR")), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n");
        Banc b(1, "joueur", dossier.path());
        QCOMPARE(b.Profil(), (ProfilCouleurs{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QVERIFY(!QFile::exists(dossier.filePath(QStringLiteral("joueur.usr"))));
        QCOMPARE(Contenu(dossier.filePath(QStringLiteral("JOUEUR.USR"))).size(), 27);
    }

    void unProfilParDefautAbimeDonneLesCouleursIntegrees()
    {
        QTemporaryDir dossier;
        Ecrire(dossier.filePath(QStringLiteral("joueur.usr")), "1\r\n2\r\nrouge\r\n");
        Banc b(1, "joueur", dossier.path());
        QCOMPARE(b.Profil(), ProfilParDefaut);
        QVERIFY(b.Boites->Appels.empty());
        QCOMPARE(Contenu(dossier.filePath(QStringLiteral("joueur.usr"))), QByteArray("1\r\n2\r\nrouge\r\n"));
        b.Menu("MnuNew");
        QCOMPARE(b.Profil(), ProfilParDefaut);
    }

    void unProfilParDefautInaccessibleNeBloquePasLeDemarrage()
    {
        // A link that loops, and one that leads nowhere: both are left as they are.
        QTemporaryDir dossier;
        QVERIFY(QFile::link(QStringLiteral("joueur.usr"), dossier.filePath(QStringLiteral("joueur.usr"))));
        QVERIFY(QFile::link(QStringLiteral("ailleurs/autre.usr"), dossier.filePath(QStringLiteral("autre.usr"))));
        for (const char* nom : {"joueur", "autre"}) {
            Banc b(1, nom, dossier.path());
            QCOMPARE(b.Profil(), ProfilParDefaut);
            b.Menu("MnuNew");
            QCOMPARE(b.Profil(), ProfilParDefaut);
            QVERIFY(b.Boites->Appels.empty());
        }
        QCOMPARE(QFileInfo(dossier.filePath(QStringLiteral("joueur.usr"))).symLinkTarget(),
                 dossier.filePath(QStringLiteral("joueur.usr")));
        QVERIFY(QFileInfo(dossier.filePath(QStringLiteral("autre.usr"))).isSymLink());
        QCOMPARE(QDir(dossier.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
                 QStringList({QStringLiteral("autre.usr"), QStringLiteral("joueur.usr")}));
    }

    void laSaisieDuCodeSuitLeCurseur()
    {
        Banc b;
        for (const int s : {2, 6, 0, 7, 4})
            b.Clic(b.Source(s));
        QCOMPARE(b.Etat().CasesCode, (std::array<std::int16_t, 4>{3, 7, 1, 5}));
        QCOMPARE(b.Case(3)->BackColor(), b.Source(4)->BackColor());
        QCOMPARE(b.Case(0)->BackColor(), b.Source(2)->BackColor());
        QCOMPARE(b.Case(0)->toolTip(), QStringLiteral("Case 1 : couleur 3"));
        QCOMPARE(b.Case(0)->accessibleName(), QStringLiteral("Case 1 : couleur 3"));

        b.Clic(b.Case(1));
        b.Clic(b.Source(7));
        QCOMPARE(b.Etat().CasesCode[1], 8);
        QCOMPARE(b.Etat().CaseCourante, 2);
        QCOMPARE(b.Source(4)->toolTip(), QStringLiteral("Couleur 5"));
        QCOMPARE(b.Case(0)->text(), QString());
    }

    void lesBoutonsHetBDeplacentLaDerniereCouleur()
    {
        Banc b;
        b.Clic(b.Move(1));  // no swatch clicked yet
        QCOMPARE(b.Source(0)->y(), 16);
        b.Clic(b.Source(3));
        for (int i = 0; i < 4; ++i)
            b.Clic(b.Move(1));
        QCOMPARE(b.Source(3)->y(), 160);
        b.Clic(b.Move(0));
        QCOMPARE(b.Source(3)->y(), 112);
        QCOMPARE(b.Source(3)->x(), 152);
        // A new game puts it back in row 0, and "B" still moves it.
        b.Clic(b.Ok());
        b.Menu("MnuNew");
        QCOMPARE(b.Source(3)->y(), 16);
        b.Clic(b.Move(1));
        QCOMPARE(b.Source(3)->y(), 64);
    }

    void lesRefusArriventDansLOrdreEtNeChangentRien()
    {
        Banc b;
        const auto refuser = [&](std::array<int, 4> code, const char* texte, const char* titre, StyleBoite style) {
            b.Composer(code);
            const auto avant = b.Capturer();
            b.Boites->Appels.clear();
            b.Clic(b.Ok());
            QCOMPARE(b.Boites->Appels.size(), 1u);
            QCOMPARE(b.Boites->Appels[0].Texte, Texte(texte));
            QCOMPARE(b.Boites->Appels[0].Titre, Texte(titre));
            QCOMPARE(b.Boites->Appels[0].Style, style);
            QVERIFY(b.Capturer() == avant);
        };
        // Start-up left every cell at 0.
        b.Clic(b.Ok());
        QCOMPARE(b.Boites->Appels.back().Texte, Texte(textes::CodeIncomplet));
        refuser({3, 3, 1, 2}, textes::CouleurEnDouble, "Code", styles::Exclamation);
        refuser({1, 5, 2, 1}, textes::CouleurEnDouble, "Code", styles::Exclamation);
        const auto premier = b.AutreCode(0);
        b.Jouer(premier);
        QCOMPARE(b.Etat().NbCoups, 1);
        refuser(premier, textes::CodeDejaJoue, "Vorlinde", styles::Aucun);
    }

    void uneVictoireAfficheLeMessageEtDesactiveValider()
    {
        Banc b;
        b.Jouer(b.AutreCode(5));
        b.Jouer(b.CodeSecret());
        QCOMPARE(b.Boites->Appels.back().Texte, QStringLiteral("Bravo ! Vous avez gagné ! Au bout de 2 coup(s)."));
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Fin de partie"));
        QCOMPARE(b.Boites->Appels.back().Style, styles::Exclamation);
        QVERIFY(!b.Ok()->isEnabled());
        QCOMPARE(b.BiPl(1)->text(), QStringLiteral("4"));
        QCOMPARE(b.MalPl(1)->text(), QStringLiteral("0"));
        QCOMPARE(b.BiPl(1)->toolTip(), QStringLiteral("Coup 2 : 4 bien placé(s), 0 mal placé(s)"));
        // Clicks on swatches still change the code cells after the game ended.
        b.Clic(b.Case(0));
        b.Clic(b.Source(7));
        QCOMPARE(b.Etat().CasesCode[0], 8);

        // A new game enables validation again and keeps the composed code.
        const auto compose = b.Etat().CasesCode;
        b.Menu("MnuNew");
        QVERIFY(b.Ok()->isEnabled());
        QCOMPARE(b.Etat().CasesCode, compose);
        QCOMPARE(b.Case(0)->BackColor(), 8355711);
        QCOMPARE(b.Etat().NbCoups, 0);
    }

    // A move, and a hint, are told once they are kept on disk and painted:
    // the voice never runs ahead of the board, nor of what a program killed
    // at that moment would leave.
    void ceQuiEstDitEstDejaGardeEtPeint()
    {
        QTemporaryDir donnees;
        Banc b;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        const auto gardee = [&] {
            const QDir enCours(donnees.filePath(QStringLiteral("en-cours")));
            const auto parties = enCours.entryList({QStringLiteral("*.prt")}, QDir::Files);
            if (parties.size() != 1)
                return QStringLiteral("no game kept");
            const auto lecture = LireFichierPartie(enCours.filePath(parties[0]).toStdString());
            QFile indices(enCours.filePath(QFileInfo(parties[0]).completeBaseName() + QStringLiteral(".indices")));
            const auto nombre = indices.open(QIODevice::ReadOnly) ? indices.readAll().trimmed() : QByteArray("0");
            return QStringLiteral("%1 moves, %2 hints")
                .arg(lecture.Partie.Coups.size())
                .arg(QString::fromLatin1(nombre));
        };
        b.F().show();
        QVERIFY(QTest::qWaitForWindowActive(&b.F()));
        Moment moment;
        qApp->installEventFilter(&moment);
        QAccessible::installUpdateHandler(&Moment::Ecouter);
        const auto fin = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });

        Moment::Attendu = QStringLiteral("Coup 1 : ");
        Moment::Constat = [&] { return gardee() + QStringLiteral(", shown ") + b.BiPl(0)->text(); };
        const auto coup = b.AutreCode(0);
        b.Jouer(coup);
        QTRY_COMPARE(Moment::Constats.size(), 1);
        QCOMPARE(Moment::Constats[0], QStringLiteral("1 moves, 0 hints, shown %1").arg(b.Etat().Historique[1].BiPl));

        Moment::Attendu = QStringLiteral("Indice : ");
        Moment::Constats.clear();
        const auto cases = [&] {
            QStringList couleurs;
            for (int k = 0; k < LongueurCode; ++k)
                couleurs << QString::number(b.Case(k)->BackColor());
            return couleurs.join(QLatin1Char(' '));
        };
        Moment::Constat = [&] { return gardee() + QStringLiteral(", shown ") + cases(); };
        const auto avant = cases();
        b.Menu("MnuIndice");
        QTRY_COMPARE(Moment::Constats.size(), 1);
        QVERIFY(cases() != avant);
        QCOMPARE(Moment::Constats[0], QStringLiteral("1 moves, 1 hints, shown ") + cases());
    }

    void laLimiteDeCentCoups()
    {
        Banc b;
        for (int i = 0; i < 100; ++i)
            b.Jouer(b.AutreCode(i));
        QCOMPARE(b.Etat().NbCoups, 100);
        QVERIFY(b.Ok()->isEnabled());
        const auto avant = b.Capturer();
        QCOMPARE(avant.Value, 91);
        QCOMPARE(b.BiPl(9)->accessibleName().left(9), QStringLiteral("Coup 100 "));

        b.Jouer(b.AutreCode(3));  // already played: refused, the game goes on
        QCOMPARE(b.Boites->Appels.back().Texte, Texte(textes::CodeDejaJoue));
        QVERIFY(b.Ok()->isEnabled());

        const auto secret = b.CodeSecret();
        b.Jouer(b.AutreCode(100));
        QCOMPARE(b.Boites->Appels.back().Texte,
                 QStringLiteral("Vous avez perdu ! Vous avez dépasser le nombre maximum de coups possible. "
                                "Le code était : %1%2%3%4 .")
                     .arg(secret[0])
                     .arg(secret[1])
                     .arg(secret[2])
                     .arg(secret[3]));
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Fin de partie"));
        QVERIFY(!b.Ok()->isEnabled());
        auto apres = b.Capturer();
        QCOMPARE(apres.Etat.NbCoups, 100);
        QCOMPARE(apres.Etat.Historique, avant.Etat.Historique);
        QCOMPARE(apres.Couleurs.size(), avant.Couleurs.size());
        QVERIFY(std::equal(apres.Couleurs.begin() + 12, apres.Couleurs.end(), avant.Couleurs.begin() + 12));
        QCOMPARE(apres.Textes, avant.Textes);
    }

    void leDefilementSuitLeNombreDeCoups()
    {
        Banc b;
        const auto ligne = [&](int r) { return b.BiPl(r)->accessibleName().section(QLatin1Char(' '), 1, 1); };
        QVERIFY(!b.Defilement()->isEnabled());
        QCOMPARE(b.Resultat(0)->BackColor(), b.Fond());
        QCOMPARE(b.BiPl(0)->text(), QString());
        for (int i = 0; i < 3; ++i)
            b.Jouer(b.AutreCode(i));
        QCOMPARE(ligne(2), QStringLiteral("3"));
        QCOMPARE(b.BiPl(3)->text(), QString());
        QCOMPARE(b.Resultat(12)->BackColor(), b.Fond());
        const auto code = b.AutreCode(2);
        QCOMPARE(b.Resultat(8)->BackColor(), b.Source(code[0] - 1)->BackColor());
        QCOMPARE(b.Resultat(11)->toolTip(), QStringLiteral("Coup 3, case 4 : couleur %1").arg(code[3]));

        for (int i = 3; i < 10; ++i)
            b.Jouer(b.AutreCode(i));
        QVERIFY(!b.Defilement()->isEnabled());
        b.Jouer(b.AutreCode(10));
        QVERIFY(b.Defilement()->isEnabled());
        QCOMPARE(b.Defilement()->maximum(), 2);
        QCOMPARE(ligne(0), QStringLiteral("2"));
        b.Defilement()->setValue(1);  // eleven moves cannot show the first
        QCOMPARE(b.Defilement()->value(), 2);
        b.Defilement()->setValue(0);
        QCOMPARE(b.Defilement()->value(), 2);

        b.Jouer(b.AutreCode(11));
        QCOMPARE(b.Defilement()->maximum(), 3);
        QCOMPARE(ligne(9), QStringLiteral("12"));
        b.Defilement()->setValue(2);
        QCOMPARE(b.Defilement()->value(), 3);
        b.Defilement()->setValue(0);
        QCOMPARE(b.Defilement()->value(), 1);
        QCOMPARE(ligne(0), QStringLiteral("1"));
        QCOMPARE(ligne(9), QStringLiteral("10"));
        // Scrolled up, a new move leaves the view where it is.
        b.Jouer(b.AutreCode(12));
        QCOMPARE(b.Defilement()->value(), 1);
        // The keyboard moves the view a row at a time, through the same rule.
        b.Defilement()->setFocus();
        QTest::keyClick(b.Defilement(), Qt::Key_End);
        QCOMPARE(b.Defilement()->value(), 4);
        QTest::keyClick(b.Defilement(), Qt::Key_Up);
        QCOMPARE(b.Defilement()->value(), 4);
    }

    void unChangementDePaletteRepeintCasesEtHistorique()
    {
        Banc b;
        const auto editer = [&](int swatch, std::int32_t couleur) {
            b.Dialogues->Reponses.push_back(couleur);
            QTimer::singleShot(0, [swatch] {
                auto* editeur = qobject_cast<FrmCoul*>(QApplication::activeModalWidget());
                QVERIFY(editeur);
                QTest::mouseClick(Controle<BoutonCouleur>(*editeur, QStringLiteral("LblCoulSource"), swatch),
                                  Qt::LeftButton);
                QTest::mouseClick(Controle<QPushButton>(*editeur, QStringLiteral("CmdOK")), Qt::LeftButton);
            });
            b.Menu("MnuCoul");
        };
        b.Clic(b.Source(2));  // cell 0 holds colour 3, the others nothing
        editer(2, 0x123456);
        QCOMPARE(b.Source(2)->BackColor(), 0x123456);
        QCOMPARE(b.Case(0)->BackColor(), 0x123456);
        QCOMPARE(b.Case(1)->BackColor(), 8355711);

        b.Jouer({3, 1, 2, 4});
        editer(0, 0x654321);
        QCOMPARE(b.Resultat(1)->BackColor(), 0x654321);
        QCOMPARE(b.Case(1)->BackColor(), 0x654321);
        QCOMPARE(b.Resultat(0)->BackColor(), 0x123456);
        QCOMPARE(b.Etat().NbCoups, 1);
    }
};

QTEST_MAIN(TestPlateau)
#include "test_plateau.moc"
