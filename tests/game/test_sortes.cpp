// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "game/Codes.h"
#include "game/Solveur.h"
#include "game/Sortes.h"
#include "game/Statistiques.h"

using namespace vorlinde;

// A number names one code for good: these are the codes players share, so
// they are pinned here, and every number gives a valid code, every code
// has numbers.
TEST(Sortes, EachNumberNamesOneCodeForGood)
{
    EXPECT_EQ(TexteCode(CodeNumerote(1)), "2413");
    EXPECT_EQ(TexteCode(CodeNumerote(4242)), "4758");
    EXPECT_EQ(TexteCode(CodeNumerote(NumeroMax)), "6123");
    EXPECT_EQ(TexteCode(CodeNumerote(20261210)), "7352");
    std::set<Code4> atteints;
    for (std::int32_t n = 1; n <= NumeroMax; n += 7) {
        const auto code = CodeNumerote(n);
        ASSERT_EQ(std::set<std::int16_t>(code.begin(), code.end()).size(), 4u) << n;
        ASSERT_TRUE(std::all_of(code.begin(), code.end(), [](auto c) { return c >= 1 && c <= 8; })) << n;
        atteints.insert(code);
    }
    EXPECT_EQ(atteints.size(), static_cast<std::size_t>(NbCodes));
    // The number drawn for a new game stays within its range at both ends.
    EXPECT_EQ(TirerNumero([] { return 0.0; }), 1);
    EXPECT_EQ(TirerNumero([] { return 0x1.fffffffffffffp-1; }), NumeroMax);
}

// The day's record: one day per date, the run over days that follow each
// other (across months, years and 29 February), broken by a day missed.
TEST(Sortes, TheDaysAndTheirRun)
{
    EXPECT_EQ(Lendemain(20261231), 20270101);
    EXPECT_EQ(Lendemain(20280228), 20280229);
    EXPECT_EQ(Lendemain(20270228), 20270301);
    EXPECT_FALSE(DateValide(20270229));
    EXPECT_FALSE(DateValide(4242));

    Statistiques s;
    Compter(s, FinDePartie::Gagnee, 4, false, 20261230);
    Compter(s, FinDePartie::Perdue, 100, false, 20261230);  // the same day again: an ordinary game
    Compter(s, FinDePartie::Abandonnee, 2, false, 20261231);
    Compter(s, FinDePartie::Gagnee, 6, false, 20270101);
    EXPECT_EQ(s.Jouees(), 4);
    EXPECT_EQ(s.JoursJoues, 3);
    EXPECT_EQ(s.SerieDeJours, 3);
    EXPECT_EQ(s.MeilleureSerieDeJours, 3);
    EXPECT_EQ(s.DernierJour, 20270101);
    EXPECT_EQ(s.IssueDernierJour, 1);
    EXPECT_EQ(s.CoupsDernierJour, 6);
    EXPECT_EQ(SerieDeJoursAu(s, 20270101), 3);
    EXPECT_EQ(SerieDeJoursAu(s, 20270102), 3);
    EXPECT_EQ(SerieDeJoursAu(s, 20270103), 0);

    Compter(s, FinDePartie::Gagnee, 3, false, 20270103);  // a day missed
    Compter(s, FinDePartie::Gagnee, 3, false, 20261225);  // an older day: ordinary
    EXPECT_EQ(s.JoursJoues, 4);
    EXPECT_EQ(s.SerieDeJours, 1);
    EXPECT_EQ(s.MeilleureSerieDeJours, 3);
    EXPECT_EQ(s.DernierJour, 20270103);
    EXPECT_EQ(s.Gagnees, 4);
}

// Over every code as the composed one, in games played at random: the code
// is possible exactly when the solver counts it among the possible codes,
// and when it is not, the move named is the first it disagrees with, with
// the scores it would have given.
TEST(Sortes, CheckingACodeAgreesWithTheSolverOverAllCodes)
{
    std::mt19937 hasard(38);
    const auto& codes = TousLesCodes();
    for (int jeu = 0; jeu < 6; ++jeu) {
        Partie p;
        p.CodeSecret = codes[hasard() % codes.size()];
        for (int k = 0; k < 1 + jeu; ++k) {
            p.CasesCode = codes[hasard() % codes.size()];
            if (ValiderCode(p) == ResultatValidation::Gagne)
                break;
        }
        const auto coups = CoupsJoues(p);
        const auto possibles = CodesPossibles(coups);
        for (const auto& code : codes) {
            p.CasesCode = code;
            const auto v = VerifierCode(p);
            const bool possible = std::find(possibles.begin(), possibles.end(), code) != possibles.end();
            ASSERT_EQ(v.Resultat == Verification::Etat::Possible, possible) << TexteCode(code);
            if (possible) {
                ASSERT_EQ(v.Autres, static_cast<int>(possibles.size()) - 1);
                continue;
            }
            const auto premier = std::find_if(coups.begin(), coups.end(), [&](Coup c) {
                const auto score = std::pair(c.BiPl, c.MalPl);
                ScoreCoup(code, c);
                return std::pair(c.BiPl, c.MalPl) != score;
            });
            ASSERT_EQ(v.Coup, premier - coups.begin() + 1);
            Coup avecLui = *premier;
            ScoreCoup(code, avecLui);
            ASSERT_EQ(v.BiPlAvecLui, avecLui.BiPl);
            ASSERT_EQ(v.MalPlAvecLui, avecLui.MalPl);
            ASSERT_EQ(v.BiPl, premier->BiPl);
            ASSERT_EQ(v.MalPl, premier->MalPl);
        }
    }
    Partie p;
    p.CasesCode = {1, 1, 2, 3};
    EXPECT_EQ(VerifierCode(p).Resultat, Verification::Etat::Incomplet);
    p.CasesCode = {1, 0, 2, 3};
    EXPECT_EQ(VerifierCode(p).Resultat, Verification::Etat::Incomplet);
}
