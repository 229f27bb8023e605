// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// A long, seeded run of random player actions on one board, checking after
// every action that the game state and everything the player sees agree.
// VORLINDE_SOAK_SEED and VORLINDE_SOAK_ACTIONS change the seed and the length.
#include <QFile>
#include <QtTest>

#include <random>
#include <set>

#include "Banc.h"
#include "dialogues/FrmCoul.h"
#include "formats/FichierProfil.h"
#include "game/Defilement.h"
#include "plateau/GeometriePrinc.h"
#include "plateau/Twips.h"

using namespace banc;

class TestEndurance : public QObject {
    Q_OBJECT
private slots:
    void vingtMilleActions();

private:
    void Agir(int action);
    void VerifierInvariants();

    std::unique_ptr<Banc> banc_;
    std::mt19937 hasard_;
    std::int32_t couleurCases_ = ProfilParDefaut[8];
    int sauvegardes_ = 0;
    int parties100_ = 0;
};

namespace {

std::uint64_t Variable(const char* nom, std::uint64_t defaut)
{
    const QByteArray valeur = qgetenv(nom);
    return valeur.isEmpty() ? defaut : valeur.toULongLong();
}

}  // namespace

void TestEndurance::vingtMilleActions()
{
    const auto graine = Variable("VORLINDE_SOAK_SEED", 20261208);
    const auto actions = Variable("VORLINDE_SOAK_ACTIONS", 20000);
    hasard_.seed(static_cast<std::mt19937::result_type>(graine));
    banc_ = std::make_unique<Banc>(graine);
    auto& b = *banc_;
    Ecrire(b.Chemin(QStringLiteral("abime.prt")), QByteArray("\x01\x12\x34\x05\x12", 5));
    Ecrire(b.Chemin(QStringLiteral("version.prt")), QByteArray("\x02\x12\x34\x00\x11\x11\x11\x11", 8));
    Ecrire(b.Chemin(QStringLiteral("abime.usr")), QByteArray("1\r\n2\r\n"));
    Ecrire(b.Chemin(QStringLiteral("pastel.usr")), QByteArray("1,2,3,4,5,6,7,8,9"));

    for (std::uint64_t n = 0; n < actions; ++n) {
        const int action = std::uniform_int_distribution<int>(0, 99)(hasard_);
        const bool avant100 = b.Etat().NbCoups == MaxCoups;
        Agir(action);
        VerifierInvariants();
        parties100_ += !avant100 && b.Etat().NbCoups == MaxCoups;
        if (QTest::currentTestFailed()) {
            qWarning("soak failed at action %llu (kind %d) with VORLINDE_SOAK_SEED=%llu",
                     static_cast<unsigned long long>(n), action, static_cast<unsigned long long>(graine));
            return;
        }
    }
    qInfo("soak: %llu actions, %d games reached 100 moves, %d saves", static_cast<unsigned long long>(actions),
          parties100_, sauvegardes_);
}

void TestEndurance::Agir(int action)
{
    auto& b = *banc_;
    const auto au_hasard = [this](int max) { return std::uniform_int_distribution<int>(0, max)(hasard_); };
    if (action < 35) {
        b.Clic(b.Source(au_hasard(7)));
    } else if (action < 50) {
        b.Clic(b.Case(au_hasard(3)));
    } else if (action < 58) {
        b.Clic(b.Move(au_hasard(1)));
    } else if (action < 80) {
        b.Clic(b.Ok());
    } else if (action < 86) {
        // A fresh code of four different colours, then validate.
        std::array<int, 8> couleurs{1, 2, 3, 4, 5, 6, 7, 8};
        std::shuffle(couleurs.begin(), couleurs.end(), hasard_);
        b.Jouer({couleurs[0], couleurs[1], couleurs[2], couleurs[3]});
    } else if (action < 91) {
        b.Defilement()->setValue(au_hasard(b.Defilement()->maximum() + 1));
    } else if (action < 92) {
        // Rare enough that games often reach the limit of 100 moves.
        if (au_hasard(9) == 0) {
            b.Menu("MnuNew");
            couleurCases_ = ProfilParDefaut[8];
        }
    } else if (action < 94) {
        const QString chemin = b.Chemin(QStringLiteral("partie%1.prt").arg(au_hasard(2)));
        if (b.Commande("MnuSave", chemin))
            ++sauvegardes_;
        if (QFile::exists(chemin) && au_hasard(1) == 0) {
            b.Dialogues->Reponses.push_back(chemin);
            b.Menu("MnuLoad");
        }
    } else if (action < 95) {
        b.Dialogues->Reponses.push_back(
            b.Chemin(au_hasard(1) ? QStringLiteral("abime.prt") : QStringLiteral("version.prt")));
        b.Menu("MnuLoad");
    } else if (action < 97) {
        const auto couleur = static_cast<std::int32_t>(hasard_() & 0xFFFFFF);
        const int swatch = au_hasard(7);
        const bool ok = au_hasard(2) != 0;
        b.Dialogues->Reponses.push_back(couleur);
        QTimer::singleShot(0, [swatch, ok] {
            if (auto* editeur = qobject_cast<FrmCoul*>(QApplication::activeModalWidget())) {
                QTest::mouseClick(Controle<BoutonCouleur>(*editeur, QStringLiteral("LblCoulSource"), swatch),
                                  Qt::LeftButton);
                QTest::mouseClick(
                    Controle<QPushButton>(*editeur, ok ? QStringLiteral("CmdOK") : QStringLiteral("CmdCancel")),
                    Qt::LeftButton);
            }
        });
        b.Menu("MnuCoul");
        b.Dialogues->Reponses.clear();
    } else if (action < 98) {
        const bool bon = au_hasard(1) == 0;
        b.Dialogues->Reponses.push_back(b.Chemin(bon ? QStringLiteral("pastel.usr") : QStringLiteral("abime.usr")));
        b.Menu("MnuAffLoad");
        if (bon)
            couleurCases_ = 9;
    } else if (action < 99) {
        b.Dialogues->Reponses.push_back(b.Chemin(QStringLiteral("copie.usr")));
        b.Menu("MnuAffSave");
    } else {
        b.Dialogues->Reponses.push_back(QString());  // a cancelled dialog
        b.Menu("MnuLoad");
    }
}

void TestEndurance::VerifierInvariants()
{
    const auto& b = *banc_;
    const Partie& p = b.Etat();
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(p.NbCoups >= 0 && p.NbCoups <= MaxCoups);

    std::set<std::string> codes;
    for (int k = 1; k <= p.NbCoups; ++k)
        QVERIFY2(codes.insert(p.Historique[k].TexteCode()).second, "a code was recorded twice");

    const bool gagne = p.NbCoups >= 1 && p.Historique[p.NbCoups].BiPl == ScoreGagnant;
    QCOMPARE(b.Ok()->isEnabled(), p.EnCours);
    if (gagne)
        QVERIFY(!p.EnCours);
    if (!p.EnCours)
        QVERIFY(gagne || p.NbCoups == MaxCoups);

    const auto attendu = AjusterDefilement(p.NbCoups, b.Defilement()->value());
    QCOMPARE(b.Defilement()->value(), attendu.Value);
    QCOMPARE(b.Defilement()->maximum(), attendu.Max);
    QCOMPARE(b.Defilement()->isEnabled(), attendu.Enabled);
    for (int r = 0; r < 10; ++r) {
        const int i = attendu.CoupDeLigne[r];
        for (int j = 0; j < 4; ++j) {
            const auto couleur = b.Resultat(4 * r + j)->BackColor();
            if (i == 0)
                QCOMPARE(couleur, b.Fond());
            else
                QCOMPARE(couleur, b.Source(p.Historique[i].Code[j] - '1')->BackColor());
        }
        QCOMPARE(b.BiPl(r)->text(), i ? QString::number(p.Historique[i].BiPl) : QString());
        QCOMPARE(b.MalPl(r)->text(), i ? QString::number(p.Historique[i].MalPl) : QString());
    }
    for (int k = 0; k < 4; ++k) {
        const int t = p.CasesCode[k];
        QVERIFY(t >= 0 && t <= NbCouleurs);
        if (t > 0) {
            // A new game or a profile shows the cells empty until they are painted again.
            const auto couleur = b.Case(k)->BackColor();
            QVERIFY(couleur == b.Source(t - 1)->BackColor() || couleur == couleurCases_);
        }
    }
    for (int k = 0; k < NbCouleurs; ++k) {
        const auto& r = geometrie::LblCoulSource(k, p.RangeeCoulSource[k]);
        QCOMPARE(b.Source(k)->geometry(), RectTwips(r.Left, r.Top, r.Width, r.Height));
        QCOMPARE(b.Source(k)->BackColor(), p.Palette[k]);
    }
}

QTEST_MAIN(TestEndurance)
#include "test_endurance.moc"
