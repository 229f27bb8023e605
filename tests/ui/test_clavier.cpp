// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Play without a mouse: the keys, the accessible actions and announcements
// that a screen reader uses, the colour numbers on the board, and a saved
// game opened from the command line.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QMenuBar>
#include <QtTest>

#include "Banc.h"
#include "Ecoute.h"
#include "dialogues/FrmCoul.h"
#include "formats/FichierPartie.h"
#include "formats/FichierProfil.h"
#include "game/Couleurs.h"
#include "plateau/Cellule.h"
#include "textes/Textes.h"

using namespace banc;

namespace {

void Presser(QWidget* w)
{
    auto* interface = QAccessible::queryAccessibleInterface(w);
    QVERIFY(interface && interface->actionInterface());
    QVERIFY(interface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    interface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QString Nom(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

// Whether the label's picture holds a pixel of `couleur`.
bool Contient(QWidget* w, QColor couleur)
{
    const QImage image = w->grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == couleur)
                return true;
    return false;
}

}  // namespace

class TestClavier : public QObject {
    Q_OBJECT
private slots:
    // Each key does what the click it stands for does: two boards with the
    // same hidden code, one played with the mouse and one with the keys,
    // stay the same at every step.
    void lesTouchesFontCeQueFontLesClics()
    {
        Banc souris, clavier;
        auto& f = clavier.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        const auto pareils = [&] { return souris.Capturer() == clavier.Capturer(); };

        for (const int c : {3, 7}) {
            souris.Clic(souris.Source(c - 1));
            QTest::keyClick(f.windowHandle(), Qt::Key(Qt::Key_0 + c));
            QVERIFY(pareils());
        }
        souris.Clic(souris.Source(0));
        QTest::keyClick(f.windowHandle(), Qt::Key_1, Qt::KeypadModifier);
        QVERIFY(pareils());
        // The key that bears 8 on a French keyboard gives "_" without Shift.
        souris.Clic(souris.Source(7));
        QKeyEvent huit(QEvent::KeyPress, Qt::Key_Underscore, Qt::NoModifier, 17, 0, 0, QStringLiteral("_"));
        QApplication::sendEvent(QApplication::focusWidget(), &huit);
        QVERIFY(pareils());

        // The arrows move the cursor as a click on the next cell, and stop at the ends.
        for (int i = 0; i < 5; ++i) {
            souris.Clic(souris.Case(std::max(souris.Etat().CaseCourante - 1, 0)));
            QTest::keyClick(f.windowHandle(), Qt::Key_Left);
            QVERIFY(pareils());
        }
        QCOMPARE(clavier.Etat().CaseCourante, 0);
        for (int k = 1; k <= 2; ++k) {
            souris.Clic(souris.Case(k));
            QTest::keyClick(f.windowHandle(), Qt::Key_Right);
        }
        QCOMPARE(clavier.Etat().CaseCourante, 2);
        // Home and End reach the first and the last cell at once.
        QTest::keyClick(f.windowHandle(), Qt::Key_End);
        QCOMPARE(clavier.Etat().CaseCourante, 3);
        QTest::keyClick(f.windowHandle(), Qt::Key_Home);
        QCOMPARE(clavier.Etat().CaseCourante, 0);
        for (int k = 1; k <= 2; ++k)
            QTest::keyClick(f.windowHandle(), Qt::Key_Right);

        // Return validates; a refusal shows the same box.
        souris.Clic(souris.Ok());
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QVERIFY(pareils());
        QCOMPARE(clavier.Etat().NbCoups, 1);
        souris.Clic(souris.Ok());
        QTest::keyClick(f.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clavier.Boites->Appels.back().Texte, souris.Boites->Appels.back().Texte);
        QVERIFY(pareils());

        // The hidden code typed from the first cell and validated wins; Return then does nothing.
        QVERIFY(clavier.CodeSecret() != (std::array<int, 4>{3, 7, 1, 8}));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(f.windowHandle(), Qt::Key_Left);
        for (const int c : clavier.CodeSecret())
            QTest::keyClick(f.windowHandle(), Qt::Key(Qt::Key_0 + c));
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QCOMPARE(clavier.Boites->Appels.back().Titre, QStringLiteral("Fin de partie"));
        QVERIFY(!clavier.Ok()->isEnabled());
        const auto apres = clavier.Capturer();
        QTest::keyClick(f.windowHandle(), Qt::Key_Return);
        QVERIFY(clavier.Capturer() == apres);
        // Shortcuts with Ctrl are not colours.
        QTest::keyClick(f.windowHandle(), Qt::Key_2, Qt::ControlModifier);
        QVERIFY(clavier.Capturer() == apres);
    }

    // The keyboard's cursor stands out by 3:1 from the window and from the
    // cell it marks, white or black, in the light and dark palettes of the
    // desktops' styles: Fusion, Breeze, Adwaita (whose dark highlight is
    // close to its window).
    void leCurseurSeDetacheDansChaquePalette()
    {
        const auto contraste = [](QColor a, QColor b) { return Contraste(DepuisQColor(a), DepuisQColor(b)); };
        struct Teintes {
            const char *fenetre, *texte, *surbrillance;
        };
        for (const auto& t : {Teintes{"#efefef", "#000000", "#308cc6"}, Teintes{"#353535", "#ffffff", "#2a82da"},
                              Teintes{"#eff0f1", "#232629", "#3daee9"}, Teintes{"#202326", "#fcfcfc", "#3daee9"},
                              Teintes{"#f6f5f4", "#2e3436", "#3584e4"}, Teintes{"#353535", "#eeeeec", "#15539e"}}) {
            Banc b;
            auto& f = b.F();
            QPalette palette = f.palette();
            palette.setColor(QPalette::Window, QColor::fromString(QLatin1String(t.fenetre)));
            palette.setColor(QPalette::WindowText, QColor::fromString(QLatin1String(t.texte)));
            palette.setColor(QPalette::Highlight, QColor::fromString(QLatin1String(t.surbrillance)));
            f.setPalette(palette);
            f.show();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            for (const auto touche : {Qt::Key_8, Qt::Key_6}) {
                QTest::keyClick(f.windowHandle(), touche);
                QTest::keyClick(f.windowHandle(), Qt::Key_Left);
                const QImage image = b.Case(0)->grab().toImage();
                const int e = std::max(2, image.height() / 10);
                const QColor cadre = image.pixelColor(0, image.height() / 2);
                const QColor ligne = image.pixelColor(e, image.height() / 2);
                const QColor cellule = image.pixelColor(image.width() / 2, image.height() / 2);
                QVERIFY2(contraste(cadre, palette.color(QPalette::Window)) >= 3, t.surbrillance);
                QVERIFY2(contraste(ligne, cellule) >= 3, t.surbrillance);
            }
        }
    }

    void lesFlechesRestentALaBarreDeDefilementEtRienNeTraverseUneFenetreModale()
    {
        Banc b;
        auto& f = b.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (int i = 0; i < 12; ++i)
            b.Jouer(b.AutreCode(i));
        b.Clic(b.Case(1));
        b.Defilement()->setFocus();
        QTest::keyClick(f.windowHandle(), Qt::Key_Home);
        QCOMPARE(b.Defilement()->value(), 1);
        // Qt's vertical scroll bar takes Left as a row down (to 2, which goes on to 3).
        QTest::keyClick(f.windowHandle(), Qt::Key_Left);
        QCOMPARE(b.Defilement()->value(), 3);
        QTest::keyClick(f.windowHandle(), Qt::Key_Right);
        QCOMPARE(b.Etat().CaseCourante, 1);

        // While the colour editor is open, the board takes no key.
        const auto avant = b.Capturer();
        bool essaye = false;
        QTimer::singleShot(0, [&] {
            auto* editeur = qobject_cast<FrmCoul*>(QApplication::activeModalWidget());
            QVERIFY(editeur);
            for (const auto touche : {Qt::Key_4, Qt::Key_Left, Qt::Key_Return})
                QTest::keyClick(f.windowHandle(), touche);
            essaye = true;
            editeur->reject();
        });
        b.Menu("MnuCoul");
        QVERIFY(essaye);
        QVERIFY(b.Capturer() == avant);
    }

    // The game as a screen reader plays it: accessible names, the "press"
    // action of every swatch and code cell, and each result announced.
    void unePartieParLesActionsAccessibles()
    {
        Banc b;
        const Ecoute ecoute;
        auto& f = b.F();
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        QCOMPARE(QApplication::focusWidget(), b.Case(0));

        QCOMPARE(QAccessible::queryAccessibleInterface(b.Source(2))->role(), QAccessible::Button);
        QCOMPARE(Nom(b.Source(2)), QStringLiteral("Couleur 3"));
        // Empty rows are not there for a screen reader.
        for (QWidget* vide : std::initializer_list<QWidget*>{b.Resultat(0), b.BiPl(0), b.MalPl(9)})
            QVERIFY(QAccessible::queryAccessibleInterface(vide)->state().invisible);

        // A button's "press" clicks it a moment later, as it shows being pressed.
        const auto valider = [&] {
            const auto coups = b.Etat().NbCoups;
            const auto boites = b.Boites->Appels.size();
            Presser(b.Ok());
            QTRY_VERIFY(b.Etat().NbCoups != coups || b.Boites->Appels.size() != boites);
        };
        const auto jouer = [&](const std::array<int, 4>& code) {
            Presser(b.Case(0));
            for (const int c : code)
                Presser(b.Source(c - 1));
            valider();
        };
        jouer(b.AutreCode(0));
        QCOMPARE(Nom(b.Case(3)), QStringLiteral("Case 4 : couleur %1").arg(b.AutreCode(0)[3]));
        const Coup premier = b.Etat().Historique[1];
        QCOMPARE(ecoute.Derniere(f),
                 QStringLiteral("Coup 1 : %1 bien placé(s), %2 mal placé(s)").arg(premier.BiPl).arg(premier.MalPl));
        // The focus stays in the code: on the cursor's cell, or beside it on « Valider le code ».
        QVERIFY(QApplication::focusWidget() == b.Case(3) || QApplication::focusWidget() == b.Ok());
        const auto& c = b.AutreCode(0);
        QCOMPARE(Nom(b.BiPl(0)),
                 QStringLiteral("Coup 1 : couleurs %1, %2, %3, %4 ; %5 bien placé(s), %6 mal placé(s)")
                     .arg(c[0])
                     .arg(c[1])
                     .arg(c[2])
                     .arg(c[3])
                     .arg(premier.BiPl)
                     .arg(premier.MalPl));
        QCOMPARE(b.Resultat(0)->toolTip(), QStringLiteral("Coup 1, case 1 : couleur %1").arg(c[0]));
        QVERIFY(QAccessible::queryAccessibleInterface(b.Resultat(0))->state().invisible);
        QVERIFY(QAccessible::queryAccessibleInterface(b.BiPl(1))->state().invisible);
        // A refusal is a box, not an announcement.
        const QString avant = ecoute.Derniere(f);
        valider();
        QCOMPARE(b.Boites->Appels.back().Texte, QString::fromUtf8(textes::CodeDejaJoue));
        QCOMPARE(ecoute.Derniere(f), avant);

        jouer(b.CodeSecret());
        QCOMPARE(ecoute.Derniere(f), QStringLiteral("Coup 2 : 4 bien placé(s), 0 mal placé(s)"));
        QCOMPARE(b.Boites->Appels.back().Titre, QStringLiteral("Fin de partie"));
    }

    void lesNumerosDesCouleurs()
    {
        Banc b;
        b.Jouer({6, 8, 1, 2});
        auto* plateau = b.F().centralWidget();
        const QImage sans = plateau->grab().toImage();
        QVERIFY(!Contient(b.Source(7), Qt::black));

        b.Action("MnuNumeros")->trigger();
        QVERIFY(b.Action("MnuNumeros")->isChecked());
        for (int k = 0; k < 8; ++k)
            QCOMPARE(b.Source(k)->Numero(), k + 1);
        QCOMPARE(b.Case(1)->Numero(), 8);
        QCOMPARE(b.Resultat(0)->Numero(), 6);
        QCOMPARE(b.Resultat(4)->Numero(), 0);       // a blank row has no colour
        QVERIFY(Contient(b.Source(7), Qt::black));  // black on white
        QVERIFY(Contient(b.Source(5), Qt::white));  // white on black
        QVERIFY(plateau->grab().toImage() != sans);
        // A new game shows the cells empty: no number on them.
        b.Menu("MnuNew");
        QCOMPARE(b.Case(1)->Numero(), 0);
        b.Clic(b.Source(3));
        QCOMPARE(b.Case(0)->Numero(), 4);

        // Remembered for the next start, in the preferences, not in the profile.
        const QByteArray profil = Contenu(b.Chemin(QStringLiteral("joueur.usr")));
        b.Ouvrir();
        QVERIFY(b.Action("MnuNumeros")->isChecked());
        QCOMPARE(b.Source(0)->Numero(), 1);
        QCOMPARE(Contenu(b.Chemin(QStringLiteral("joueur.usr"))), profil);

        // Off again, the board is exactly as it was.
        b.Action("MnuNumeros")->trigger();
        b.Jouer({6, 8, 1, 2});
        QCOMPARE(b.F().centralWidget()->grab().toImage(), sans);
        b.Ouvrir();
        QVERIFY(!b.Action("MnuNumeros")->isChecked());
    }

    void unePartieOuverteDepuisLaLigneDeCommande()
    {
        Banc b;
        PartieSauvee sauvee;
        sauvee.CodeSecret = {1, 2, 3, 4};
        sauvee.Coups = {{'5', '6', '7', '8'}, {'4', '3', '2', '1'}};
        const QString chemin = b.Chemin(QStringLiteral("à ouvrir.prt"));
        QCOMPARE(EcrireFichierPartie(chemin.toStdString(), sauvee), ErreurFichier::Aucune);
        b.F().OuvrirPartie(chemin);
        QVERIFY(b.Boites->Appels.empty());
        QCOMPARE(SauverPartie(b.Etat()), sauvee);
        QCOMPARE(b.BiPl(1)->text(), QStringLiteral("0"));
        QCOMPARE(b.MalPl(1)->text(), QStringLiteral("4"));

        // A damaged file: the box of "Charger", and the game stays as it was.
        Banc nouvelle;
        const auto avant = nouvelle.Capturer();
        Ecrire(nouvelle.Chemin(QStringLiteral("abime.prt")), QByteArray("\x01\x99", 2));
        nouvelle.F().OuvrirPartie(nouvelle.Chemin(QStringLiteral("abime.prt")));
        QVERIFY(nouvelle.Capturer() == avant);
        QCOMPARE(nouvelle.Boites->Appels.size(), 1u);
        QVERIFY(nouvelle.Boites->Appels[0].Texte.startsWith(QStringLiteral("La partie du fichier « ")));
        QCOMPARE(nouvelle.Boites->Appels[0].Titre, QStringLiteral("Erreur"));
        Ecrire(nouvelle.Chemin(QStringLiteral("version.prt")), QByteArray("\x02", 1));
        nouvelle.F().OuvrirPartie(nouvelle.Chemin(QStringLiteral("version.prt")));
        QCOMPARE(nouvelle.Boites->Appels.back().Texte, QStringLiteral("Conflit de version."));
        QVERIFY(nouvelle.Capturer() == avant);
    }
};

QTEST_MAIN(TestClavier)
#include "test_clavier.moc"
