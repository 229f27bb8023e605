// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "game/Solveur.h"

using namespace vorlinde;

namespace {

Coup Joue(const std::string& code, int bien, int mal)
{
    Coup coup;
    coup.AffecterCode(code);
    coup.BiPl = static_cast<std::int16_t>(bien);
    coup.MalPl = static_cast<std::int16_t>(mal);
    return coup;
}

// An independent count, by colours: well placed position by position, then
// each colour counted min(times in one, times in the other) times.
std::pair<int, int> ScoreParCouleurs(const Code4& secret, const Code4& essai)
{
    int bien = 0;
    std::map<int, int> dansSecret, dansEssai;
    for (int p = 0; p < 4; ++p) {
        bien += secret[p] == essai[p];
        ++dansSecret[secret[p]];
        ++dansEssai[essai[p]];
    }
    int communs = 0;
    for (const auto& [couleur, n] : dansEssai)
        communs += std::min(n, dansSecret[couleur]);
    return {bien, communs - bien};
}

Coup Score(const Code4& secret, const Code4& essai)
{
    const auto [bien, mal] = ScoreParCouleurs(secret, essai);
    return Joue(TexteCode(essai), bien, mal);
}

}  // namespace

TEST(Solveur, PossibleCodesOfHandWorkedPositions)
{
    const auto compter = [](std::vector<Coup> coups) { return CodesPossibles(coups).size(); };
    EXPECT_EQ(compter({}), 1680u);
    EXPECT_EQ(compter({Joue("1234", 4, 0)}), 1u);
    EXPECT_EQ(compter({Joue("1234", 0, 0)}), 24u);  // the other four colours, in any order
    EXPECT_EQ(compter({Joue("1234", 0, 4)}), 9u);   // the derangements of four
    EXPECT_EQ(compter({Joue("1234", 1, 0)}), 96u);  // one in place, then 4 x 3 x 2 of 5..8
    EXPECT_EQ(compter({Joue("1234", 2, 0)}), 72u);
    EXPECT_EQ(compter({Joue("1234", 3, 1)}), 0u);  // no code scores that
    // Scored as the game scores a move that repeats a colour: 1111 meets
    // the 1 of a code once in place and three times elsewhere.
    EXPECT_EQ(compter({Joue("1111", 1, 3)}), 840u);
    EXPECT_EQ(compter({Joue("1111", 0, 0)}), 840u);
    // 1234 itself is a derangement of 4321.
    EXPECT_EQ(CodesPossibles(std::vector{Joue("5678", 0, 0), Joue("4321", 0, 4)}).front(), (Code4{1, 2, 3, 4}));
}

TEST(Solveur, PossibleCodesAgreeWithACountByColours)
{
    std::mt19937 hasard(20261208);
    const auto& tous = TousLesCodes();
    for (int partie = 0; partie < 60; ++partie) {
        const Code4 secret = tous[hasard() % tous.size()];
        std::vector<Coup> coups;
        for (int k = 0; k < 1 + partie % 3; ++k)
            coups.push_back(Score(secret, tous[hasard() % tous.size()]));
        std::size_t attendus = 0;
        for (const auto& code : tous)
            attendus += std::all_of(coups.begin(), coups.end(), [&](const Coup& coup) {
                const auto [bien, mal] = ScoreParCouleurs(code, CodeDuCoup(coup));
                return bien == coup.BiPl && mal == coup.MalPl;
            });
        const auto possibles = CodesPossibles(coups);
        EXPECT_EQ(possibles.size(), attendus);
        EXPECT_NE(std::find(possibles.begin(), possibles.end(), secret), possibles.end());
    }
}

TEST(Solveur, TheAdviceNeverRepeatsAMoveAndPrefersAPossibleCode)
{
    const auto& tous = TousLesCodes();
    // From the start every code splits alike: the lowest is the advice.
    const auto premier = MeilleurCoup(tous, {});
    EXPECT_EQ(premier.Code, (Code4{1, 2, 3, 4}));
    EXPECT_EQ(premier.PireCas, 504);  // 1234 scored 0 well placed, 1 misplaced

    // With one or two codes left, the first of them.
    EXPECT_EQ(MeilleurCoup(std::vector{Code4{8, 7, 6, 5}}, {}).Code, (Code4{8, 7, 6, 5}));
    const std::vector deux{Code4{2, 1, 4, 3}, Code4{3, 4, 1, 2}};
    EXPECT_EQ(MeilleurCoup(deux, {}).Code, deux[0]);
    EXPECT_TRUE(MeilleurCoup(deux, {}).Possible);

    // Never a code already played, even the best one.
    const auto possibles = CodesPossibles(std::vector{Joue("1234", 0, 1)});
    const auto libre = MeilleurCoup(possibles, std::vector{Code4{1, 2, 3, 4}});
    const auto sansLui = MeilleurCoup(possibles, std::vector{Code4{1, 2, 3, 4}, libre.Code});
    EXPECT_NE(libre.Code, (Code4{1, 2, 3, 4}));
    EXPECT_NE(sansLui.Code, libre.Code);
    EXPECT_LE(libre.PireCas, static_cast<int>(possibles.size()));
}

// The guesses a player needs who plays `premier`, then every hint.
int CoupsAvecLesIndices(const Code4& secret, const Code4& premier)
{
    Partie partie;
    Code4 essai = premier;
    while (partie.NbCoups < 10) {
        Coup& coup = partie.Historique[++partie.NbCoups];
        coup.AffecterCode(TexteCode(essai));
        if (ScoreCoup(secret, coup) == ScoreGagnant)
            return partie.NbCoups;
        essai = ConseillerCoup(partie).Coup.Code;
    }
    return 0;
}

TEST(Solveur, TheHintsFindEveryCodeInTheFewestGuessesWhateverTheFirstGuess)
{
    // Every code played through the hint of the window and the command line,
    // against the stored strategy counted on its own; then after a first
    // guess of the player's, which the hints take up as their own.
    const auto& tous = TousLesCodes();
    const auto strategie = CoupsPourChaqueCode();
    int total = 0;
    int pire = 0;
    int apresUnAutrePremier = 0;
    for (std::size_t rang = 0; rang < tous.size(); ++rang) {
        const int coups = CoupsDuSolveur(tous[rang]);
        ASSERT_EQ(coups, strategie[rang]) << TexteCode(tous[rang]);
        total += coups;
        pire = std::max(pire, coups);
        apresUnAutrePremier += CoupsAvecLesIndices(tous[rang], {8, 6, 3, 5});
    }
    EXPECT_EQ(total, 7817);
    EXPECT_EQ(pire, 6);
    EXPECT_EQ(apresUnAutrePremier, 7817);
    EXPECT_EQ(CoupsDuSolveur({1, 1, 2, 3}), 0);
}

TEST(Solveur, AGameThatLeavesTheStrategyIsStillWon)
{
    // A first move that repeats a colour is no guess of the strategy: the
    // search, cut short by its budget or not, and the heuristic take over.
    int total = 0;
    int pire = 0;
    for (const auto& secret : TousLesCodes()) {
        const int coups = CoupsAvecLesIndices(secret, {1, 1, 2, 2});
        ASSERT_GE(coups, 2) << TexteCode(secret);
        total += coups;
        pire = std::max(pire, coups);
    }
    EXPECT_EQ(total, 8149);
    EXPECT_EQ(pire, 7);
}

TEST(Solveur, TheAnalysisFollowsThePossibleCodesMoveByMove)
{
    const std::vector coups{Joue("5678", 0, 0), Joue("1111", 1, 3), Joue("4321", 0, 4), Joue("2143", 4, 0)};
    const auto analyse = AnalyserPartie(coups);
    ASSERT_EQ(analyse.size(), 4u);
    EXPECT_EQ(analyse[0].PossiblesAvant, 1680);
    EXPECT_EQ(analyse[0].PossiblesApres, 24);
    EXPECT_TRUE(analyse[0].Compatible);
    EXPECT_EQ(analyse[0].Conseil.Code, (Code4{1, 2, 3, 4}));
    EXPECT_EQ(analyse[1].PossiblesApres, 24);  // every code left holds a 1: nothing learnt
    EXPECT_FALSE(analyse[1].Compatible);       // a move that repeats a colour is never a possible code
    EXPECT_EQ(analyse[2].PossiblesApres, 9);
    EXPECT_EQ(analyse[3].PossiblesAvant, 9);
    EXPECT_EQ(analyse[3].PossiblesApres, 1);
    EXPECT_TRUE(analyse[3].Compatible);
    EXPECT_LE(analyse[3].Conseil.PireCas, 9);
}
