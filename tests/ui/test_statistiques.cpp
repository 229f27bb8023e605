// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The player's record through the real window: what counts, what the
// window « Statistiques » shows and reads out, and a damaged record.
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include "Banc.h"
#include "Ecoute.h"
#include "dialogues/FrmParties.h"
#include "dialogues/FrmStats.h"
#include "game/Solveur.h"
#include "platform/Verrou.h"

using namespace banc;

namespace {

// The texts of the window « Statistiques », opened from the menu, and the
// names of its bars; `pendant` runs while it is open.
QStringList FenetreStatistiques(Banc& b, const std::function<void(FrmStats&)>& pendant = {})
{
    QStringList vus;
    QTimer::singleShot(0, [&] {
        auto* fenetre = qobject_cast<FrmStats*>(QApplication::activeModalWidget());
        QVERIFY(fenetre);
        QCOMPARE(fenetre->windowTitle(), QStringLiteral("Statistiques"));
        if (pendant)
            pendant(*fenetre);
        for (int k = 0; k < 9; ++k)
            vus << Controle<QLabel>(*fenetre, QStringLiteral("LblStat"), k)->accessibleName();
        for (int c = 1; c <= 11; ++c)
            vus << Controle<QWidget>(*fenetre, QStringLiteral("Barre"), c)->accessibleName();
        fenetre->accept();
    });
    b.Menu("MnuStats");
    return vus;
}

}  // namespace

class TestStatistiques : public QObject {
    Q_OBJECT
private slots:
    void uneVictoireEstGardeeAuProchainDemarrage()
    {
        QTemporaryDir donnees;
        Banc b;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        b.Jouer(b.AutreCode(0));
        b.Jouer(b.CodeSecret());
        // A game left with a move counts as abandoned, once; one without a move does not.
        b.Menu("MnuNew");
        b.Jouer(b.AutreCode(3));
        b.Menu("MnuNew");
        b.Menu("MnuNew");

        b.Ouvrir();
        const QStringList vus = FenetreStatistiques(b);
        for (const char* attendu :
             {"Parties jouées : 2", "Parties gagnées : 1", "Parties perdues : 0", "Parties abandonnées : 1",
              "Série en cours : 0", "Meilleure série : 1", "Coups en moyenne : 2,0", "Meilleure partie : 2 coups",
              "2 coups : 1 partie", "5 coups : 0 partie", "11 coups et plus : 0 partie"})
            QVERIFY2(vus.contains(QString::fromUtf8(attendu)), attendu);

        // « Remettre à zéro » after its question.
        b.Boites->Reponses.push_back(Reponse::Oui);
        const QStringList remis = FenetreStatistiques(b, [](FrmStats& f) {
            QTest::mouseClick(Controle<QPushButton>(f, QStringLiteral("CmdRaz")), Qt::LeftButton);
        });
        QVERIFY(remis.contains(QStringLiteral("Parties jouées : 0")));
        QVERIFY(remis.contains(QStringLiteral("Coups en moyenne : —")));
        QVERIFY(remis.contains(QStringLiteral("Meilleure partie : —")));
        QCOMPARE(b.Boites->Appels.back().Style, styles::QuestionOuiNon);
    }

    // A whole game by hints alone: each one composes a guess that the player
    // validates; the game is won within six guesses, and counted as won with a hint.
    // A game's time runs from its first move, stops while the window is
    // minimised and goes on when it comes back; the game is kept with it as
    // it stops; the copied text and the record give it.
    void leTempsDUnePartie()
    {
        QTemporaryDir donnees;
        Banc b;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        b.F().show();
        b.Maintenant = 5000;
        QCOMPARE(b.F().Duree(), 0);
        b.Jouer(b.AutreCode(0));
        b.Maintenant += 60000;
        QCOMPARE(b.F().Duree(), 60000);
        b.F().showMinimized();
        const auto sortes = QDir(donnees.filePath(QStringLiteral("en-cours")))
                                .entryInfoList({QStringLiteral("*.sorte")}, QDir::Files);
        QCOMPARE(sortes.size(), 1);
        QFile sorte(sortes.front().filePath());
        QVERIFY(sorte.open(QIODevice::ReadOnly));
        QVERIFY(sorte.readAll().contains("temps 60000\n"));
        b.Maintenant += 3600000;
        QCOMPARE(b.F().Duree(), 60000);
        b.F().showNormal();
        b.Maintenant += 5400;
        b.Menu("MnuCopier");
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\nTemps : 1 min 05 s\n")));
        b.Jouer(b.CodeSecret());
        b.Maintenant += 10000;
        QCOMPARE(b.F().Duree(), 65400);

        // Won in 65 s, then in 30 s: the best and the average.
        b.Menu("MnuNew");
        b.Jouer(b.AutreCode(1));
        b.Maintenant += 30000;
        b.Jouer(b.CodeSecret());
        QStringList temps;
        FenetreStatistiques(b, [&](FrmStats& fenetre) {
            for (const int k : {13, 14})
                temps << Controle<QLabel>(fenetre, QStringLiteral("LblStat"), k)->accessibleName();
        });
        QCOMPARE(temps, QStringList({QStringLiteral("Meilleur temps : 30 s"), QStringLiteral("Temps moyen : 48 s")}));
    }

    void unePartieGagneeAuxIndices()
    {
        QTemporaryDir donnees;
        Banc b;
        const Ecoute ecoute;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        while (b.Etat().EnCours && b.Etat().NbCoups < 6) {
            // The guess of --indice, which calls the same function.
            const Code4 attendu = ConseillerCoup(b.Etat()).Coup.Code;
            b.Menu("MnuIndice");
            QCOMPARE(b.Etat().CasesCode, attendu);
            QCOMPARE(b.Etat().CaseCourante, 0);
            // Said with the very code it composed.
            QVERIFY(ecoute.Derniere(b.F()).startsWith(QStringLiteral("Indice : %1, %2, %3, %4 ; ")
                                                          .arg(attendu[0])
                                                          .arg(attendu[1])
                                                          .arg(attendu[2])
                                                          .arg(attendu[3])));
            b.Clic(b.Ok());
        }
        QCOMPARE(Issue(b.Etat()), IssuePartie::Gagnee);
        QVERIFY(b.Etat().NbCoups <= 6);
        const auto boites = b.Boites->Appels.size();
        b.Menu("MnuIndice");
        QCOMPARE(b.Boites->Appels.size(), boites + 1);
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Indice"));
        QVERIFY(FenetreStatistiques(b).contains(QStringLiteral("Parties gagnées avec un indice : 1")));
    }

    // The analysis tells the counts of the solver, and nothing of the hidden
    // code while the game goes on.
    void lAnalyseDeLaPartie()
    {
        Banc b;
        b.Jouer(b.AutreCode(0));
        b.Jouer(b.AutreCode(700));
        const auto textes = [&] {
            QStringList vus;
            QTimer::singleShot(0, [&] {
                auto* fenetre = QApplication::activeModalWidget();
                QVERIFY(fenetre);
                QCOMPARE(fenetre->windowTitle(), QStringLiteral("Analyse de la partie"));
                for (auto* etiquette : fenetre->findChildren<QLabel*>())
                    vus << etiquette->accessibleName() + etiquette->text();
                qobject_cast<QDialog*>(fenetre)->reject();
            });
            b.Menu("MnuAnalyse");
            return vus.join(QLatin1Char('|'));
        };
        const auto analyse
            = AnalyserPartie(std::vector<Coup>(b.Etat().Historique.begin() + 1, b.Etat().Historique.begin() + 3));
        const QString enCours = textes();
        QVERIFY(enCours.contains(QStringLiteral("1680 → %1").arg(analyse[0].PossiblesApres)));
        QVERIFY(
            enCours.contains(QStringLiteral("%1 → %2").arg(analyse[1].PossiblesAvant).arg(analyse[1].PossiblesApres)));
        QVERIFY(enCours.contains(QStringLiteral("partie en cours")));
        QVERIFY(!enCours.contains(QStringLiteral("le solveur trouve")));
        b.Jouer(b.CodeSecret());
        QVERIFY(textes().contains(QStringLiteral("partie gagnée ; le solveur trouve ce code en %1 coup(s)")
                                      .arg(CoupsDuSolveur(b.Etat().CodeSecret))));
    }

    // Return on a row of « Parties jouées » opens its analysis once, and so
    // does a double click.
    void uneLigneDesPartiesJoueesSAnalyseUneFois()
    {
        Banc b;
        PartieJouee jouee;
        jouee.Origine = {SortePartie::Numerotee, 4242};
        jouee.CodeSecret = {4, 7, 5, 8};
        jouee.Coups = {{'4', '7', '5', '8'}};
        int analyses = 0;
        FrmParties::Actions actions;
        actions.Analyser = [&](const Partie& partie, QWidget*) {
            QCOMPARE(partie.NbCoups, 1);
            ++analyses;
        };
        FrmParties fenetre({jouee}, actions);
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        auto* liste = fenetre.findChild<QListWidget*>(QStringLiteral("PartiesJouees"));
        QVERIFY(liste);
        liste->setFocus();
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(analyses, 1);
        const QRect ligne = liste->visualItemRect(liste->item(0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, ligne.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, ligne.center());
        QCOMPARE(analyses, 2);
    }

    void unReleveAbimeEstMisDeCoteEtSignaleUneFois()
    {
        QTemporaryDir donnees;
        const QByteArray abime("{\"version\": 1, \"gagnees\": ");
        Ecrire(donnees.filePath(QStringLiteral("statistiques.json")), abime);
        Banc b;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        const auto boites = b.Boites->Appels.size();
        b.Jouer(b.CodeSecret());
        b.Menu("MnuNew");
        b.Jouer(b.CodeSecret());
        // Two end boxes, and one about the record, once.
        QCOMPARE(b.Boites->Appels.size(), boites + 3);
        int avis = 0;
        for (auto k = boites; k < b.Boites->Appels.size(); ++k)
            avis += b.Boites->Appels[k].Texte.contains(QStringLiteral("abîmé"));
        QCOMPARE(avis, 1);
        const QStringList cotes = QDir(donnees.path()).entryList({QStringLiteral("statistiques-illisible-*.json")});
        QCOMPARE(cotes.size(), 1);
        QCOMPARE(Contenu(donnees.filePath(cotes.first())), abime);
        QVERIFY(FenetreStatistiques(b).contains(QStringLiteral("Parties gagnées : 2")));
    }

    // The record busy, then damaged: each is told, once; the win that waited
    // is counted with the next.
    void chaqueSorteDAvisEstDiteUneFois()
    {
        QTemporaryDir donnees;
        Banc b;
        b.DossierDonnees = donnees.path().toStdString();
        b.Ouvrir();
        const auto boites = b.Boites->Appels.size();
        {
            const Verrou tenu(donnees.filePath(QStringLiteral(".statistiques.lock")).toStdString(),
                              Verrou::Attente::Essayer);
            QVERIFY(tenu.Tenu());
            b.Jouer(b.CodeSecret());
        }
        Ecrire(donnees.filePath(QStringLiteral("statistiques.json")), "{\"version\": 1, ");
        for (int k = 0; k < 2; ++k) {
            b.Menu("MnuNew");
            b.Jouer(b.CodeSecret());
        }
        int occupe = 0, abime = 0;
        for (auto k = boites; k < b.Boites->Appels.size(); ++k) {
            occupe += b.Boites->Appels[k].Texte.contains(QStringLiteral("utilisé par une autre fenêtre"));
            abime += b.Boites->Appels[k].Texte.contains(QStringLiteral("abîmé"));
        }
        QCOMPARE(occupe, 1);
        QCOMPARE(abime, 1);
        QVERIFY(FenetreStatistiques(b).contains(QStringLiteral("Parties gagnées : 3")));
    }
};

QTEST_MAIN(TestStatistiques)
#include "test_statistiques.moc"
