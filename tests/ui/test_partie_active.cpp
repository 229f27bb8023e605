// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The game in progress tells every change it makes: over thousands of
// commands drawn at random, each command that changes the game sends one
// change naming at least every part of the game it changed (the board
// repaints nothing else), a command that changes nothing sends none, what
// is kept on disk hears of it before anyone shows it, and each end of a
// game is sent once: after its change for a win or a loss, before the game
// that replaces it for an abandon.
#include <QtTest>

#include <optional>
#include <random>

#include "partie/PartieActive.h"

using namespace vorlinde;
using namespace vorlinde::ui;
using A = PartieActive::Aspect;

namespace {

// The parts of the game that differ between two states.
PartieActive::Aspects Differences(const Partie& avant, const Partie& apres)
{
    PartieActive::Aspects d;
    if (avant.CasesCode != apres.CasesCode || avant.CouleursCases != apres.CouleursCases)
        d |= A::Cases;
    if (avant.CaseCourante != apres.CaseCourante)
        d |= A::Curseur;
    if (avant.Palette != apres.Palette)
        d |= A::Palette;
    if (avant.RangeeCoulSource != apres.RangeeCoulSource)
        d |= A::Rangees;
    if (avant.NbCoups != apres.NbCoups || avant.Historique != apres.Historique)
        d |= A::Historique;
    if (avant.EnCours != apres.EnCours)
        d |= A::Issue;
    return d;
}

}  // namespace

class TestPartieActive : public QObject {
    Q_OBJECT
private slots:
    void EveryChangeIsSentOnceWithWhatItChanged()
    {
        PartieActive jeu;
        // A clock that stands still: a game differs only by what the commands change.
        jeu.FixerHorloge([] { return std::int64_t{0}; });
        std::mt19937 hasard(20261209);
        const auto aleatoire = [&] { return std::uniform_real_distribution<double>(0, 1)(hasard); };
        std::vector<PartieActive::Aspects> changes;
        std::vector<FinDePartie> fins;
        std::size_t changesALaFin = 0;
        std::optional<PartieActive::Aspects> aGarder;
        Partie laissee;
        connect(&jeu, &PartieActive::AGarder, this, [&](PartieActive::Aspects a) { aGarder = a; });
        connect(&jeu, &PartieActive::Change, this, [&](PartieActive::Aspects a) {
            QCOMPARE(aGarder, std::optional(a));
            aGarder.reset();
            changes.push_back(a);
        });
        connect(&jeu, &PartieActive::Finie, this, [&](FinDePartie fin) {
            fins.push_back(fin);
            changesALaFin = changes.size();
            laissee = jeu.Etat();
        });
        ProfilCouleurs autre = ProfilParDefaut;
        autre[0] = 0x123456;
        jeu.Nouvelle(ProfilParDefaut, TirerCodeSecret(aleatoire), {SortePartie::Numerotee, 1});
        int gagnees = 0, perdues = 0;
        for (int pas = 0; pas < 40000; ++pas) {
            const Partie avant = jeu.Etat();
            const std::size_t n = changes.size(), f = fins.size();
            const int tirage = static_cast<int>(hasard() % 1000);
            std::optional<ResultatValidation> r;
            bool remplacee = false;
            if (!jeu.Etat().EnCours)
                jeu.Nouvelle(ProfilParDefaut, TirerCodeSecret(aleatoire), {SortePartie::Numerotee, 1});
            else if (tirage < 300)
                jeu.PoserCouleur(static_cast<int>(hasard() % NbCouleurs));
            else if (tirage < 450)
                jeu.PlacerCurseur(static_cast<int>(hasard() % LongueurCode));
            else if (tirage < 750)
                r = jeu.Valider();
            else if (tirage < 850)
                jeu.DeplacerRangee(static_cast<int>(hasard() % 2));
            else if (tirage < 880)
                jeu.DonnerIndice({{{static_cast<std::int16_t>(1 + hasard() % 8), 2, 3, 4}}, 5});
            else if (tirage < 881)
                // Now and then the hidden code itself: the walk wins games too.
                jeu.DonnerIndice({{jeu.Etat().CodeSecret}, 1});
            else if (tirage < 900)
                jeu.PrendreProfil(hasard() % 2 ? autre : ProfilParDefaut);
            else if (tirage < 920)
                jeu.ChangerPalette(hasard() % 2 ? jeu.Etat().Palette
                                                : std::array<std::int32_t, NbCouleurs>{1, 2, 3, 4, 5, 6, 7, 8});
            else if (tirage < 930) {
                remplacee = true;
                jeu.Charger(SauverPartie(avant), 2);
            }
            const auto differences = Differences(avant, jeu.Etat());
            if (differences) {
                QCOMPARE(changes.size(), n + 1);
                QVERIFY2((changes.back() & differences) == differences,
                         qPrintable(QStringLiteral("step %1: changed 0x%2, told 0x%3")
                                        .arg(pas)
                                        .arg(differences.toInt(), 0, 16)
                                        .arg(changes.back().toInt(), 0, 16)));
            }
            QVERIFY(changes.size() <= n + 1);
            const bool finie = r == ResultatValidation::Gagne || r == ResultatValidation::Perdu;
            const bool abandonnee = remplacee && avant.NbCoups > 0;
            QCOMPARE(fins.size(), f + (finie || abandonnee ? 1 : 0));
            if (abandonnee) {
                QCOMPARE(fins.back(), FinDePartie::Abandonnee);
                QCOMPARE(changesALaFin, n);
                QVERIFY(laissee == avant);
            }
            if (finie) {
                QCOMPARE(changesALaFin, n + 1);
                QCOMPARE(fins.back(), r == ResultatValidation::Gagne ? FinDePartie::Gagnee : FinDePartie::Perdue);
                (r == ResultatValidation::Gagne ? gagnees : perdues)++;
            }
            // A refused guess changes nothing, and says nothing.
            if (r && !finie && *r != ResultatValidation::Enregistre)
                QVERIFY(jeu.Etat() == avant && changes.size() == n);
        }
        // The walk went through both ends of a game.
        QVERIFY(gagnees > 0);
        QVERIFY(perdues > 0);
    }
};

QTEST_GUILESS_MAIN(TestPartieActive)
#include "test_partie_active.moc"
