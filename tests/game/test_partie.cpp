// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The state changes that a new game, a loaded game and a change of colours
// make, as one function each.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "game/Codes.h"
#include "game/Partie.h"

using namespace vorlinde;

namespace {

const ProfilCouleurs Pastel{11, 12, 13, 14, 15, 16, 17, 18, 19};

// A game in the middle of play: three moves, the cursor on cell 2, swatch 6
// clicked last and parked in row 3, cell 0 showing colour 3.
Partie EnCoursDeJeu()
{
    Partie p;
    p.CodeSecret = {1, 2, 3, 4};
    for (const auto& code : {Code4{5, 6, 7, 8}, Code4{4, 3, 2, 1}, Code4{3, 7, 1, 8}}) {
        p.CasesCode = code;
        EXPECT_EQ(ValiderCode(p), ResultatValidation::Enregistre);
    }
    ChoisirCase(p, 0);
    ChoisirCouleur(p, 2);
    ChoisirCouleur(p, 6);
    DeplacerSource(p, 1);
    DeplacerSource(p, 1);
    DeplacerSource(p, 1);
    return p;
}

}  // namespace

TEST(NouvellePartie, ResetsTheGameButKeepsTheComposedCodeAndSelection)
{
    Partie p = EnCoursDeJeu();
    p.EnCours = false;
    p.Historique[0].AffecterCode("9999");
    const auto compose = p.CasesCode;
    const std::vector<double> tirages{0.9, 0.1, 0.5, 0.3};
    std::size_t i = 0;

    NouvellePartie(p, Pastel, [&] { return tirages.at(i++); });
    EXPECT_EQ(p.NbCoups, 0);
    EXPECT_EQ(p.CaseCourante, 0);
    EXPECT_EQ(p.CoulSelect, 6);
    EXPECT_EQ(p.CasesCode, compose);
    EXPECT_TRUE(p.EnCours);
    EXPECT_EQ(p.CodeSecret, (Code4{8, 1, 5, 3}));
    EXPECT_EQ(p.RangeeCoulSource, (std::array<std::int16_t, 8>{}));
    for (int k = 1; k <= MaxCoups; ++k)
        EXPECT_EQ(p.Historique[k], Coup{});
    EXPECT_EQ(p.Historique[0].TexteCode(), "9999");  // entry 0 is never touched
    // The profile's colours, every cell shown empty although it keeps its number.
    EXPECT_EQ(CollecterProfil(p), Pastel);
    EXPECT_EQ(p.CouleursCases, (std::array<std::int32_t, 4>{19, 19, 19, 19}));

    // The code composed before the new game is at once the first move.
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Enregistre);
    EXPECT_EQ(p.Historique[1].TexteCode(), TexteCode(compose));
}

TEST(Couleurs, AProfileThenARefreshShowTheNumbersInTheNewColours)
{
    Partie p = EnCoursDeJeu();  // cells hold 3, 7, 1, 8
    ChoisirCase(p, 3);
    AppliquerProfil(p, Pastel);
    EXPECT_EQ(p.CouleursCases, (std::array<std::int32_t, 4>{19, 19, 19, 19}));
    RafraichirCouleurs(p);
    EXPECT_EQ(p.CouleursCases, (std::array<std::int32_t, 4>{13, 17, 11, 18}));
    // The profile written now carries cell 0's colour as its last value.
    EXPECT_EQ(CollecterProfil(p)[8], 13);
    // A cell given a colour shows the palette colour of that moment.
    ChoisirCouleur(p, 4);
    EXPECT_EQ(p.CouleursCases[3], 15);
}

TEST(ChargerPartie, ReplacesTheGameAndScoresEveryMoveAgain)
{
    Partie p = EnCoursDeJeu();
    const auto avant = p;
    PartieSauvee sauvee;
    sauvee.CodeSecret = {8, 7, 6, 5};
    sauvee.Coups = {{'1', '2', '3', '4'}, {'5', '6', '7', '1'}};
    sauvee.RangeeCoulSource = {0, 1, 2, 3, 0, 1, 2, 3};

    ChargerPartie(p, sauvee);
    EXPECT_EQ(p.CodeSecret, sauvee.CodeSecret);
    EXPECT_EQ(p.NbCoups, 2);
    EXPECT_EQ(p.Historique[2].BiPl, 0);
    EXPECT_EQ(p.Historique[2].MalPl, 3);
    // Moves of the game before, past the loaded ones, are gone.
    EXPECT_EQ(p.Historique[3], Coup{});
    EXPECT_TRUE(p.EnCours);
    EXPECT_EQ(p.RangeeCoulSource, sauvee.RangeeCoulSource);
    // The last move is composed in the cells, in the colours of their numbers.
    EXPECT_EQ(p.CasesCode, (Code4{5, 6, 7, 1}));
    EXPECT_EQ(p.CouleursCases, (std::array<std::int32_t, 4>{p.Palette[4], p.Palette[5], p.Palette[6], p.Palette[0]}));
    // The palette, the cursor and the swatch clicked last stay.
    EXPECT_EQ(p.Palette, avant.Palette);
    EXPECT_EQ(p.CaseCourante, avant.CaseCourante);
    EXPECT_EQ(p.CoulSelect, avant.CoulSelect);
    EXPECT_EQ(SauverPartie(p), sauvee);
}

TEST(ChargerPartie, AWonGameStopsPlayAndAnEmptyOneKeepsTheCellColours)
{
    Partie p = EnCoursDeJeu();
    PartieSauvee gagnee;
    gagnee.CodeSecret = {1, 2, 3, 4};
    gagnee.Coups = {{'5', '6', '7', '8'}, {'1', '2', '3', '4'}};
    ChargerPartie(p, gagnee);
    EXPECT_FALSE(p.EnCours);
    EXPECT_EQ(p.Historique[2].BiPl, 4);

    const auto couleurs = p.CouleursCases;
    PartieSauvee vide;
    vide.CodeSecret = {2, 4, 6, 8};
    ChargerPartie(p, vide);
    EXPECT_TRUE(p.EnCours);
    EXPECT_EQ(p.NbCoups, 0);
    EXPECT_EQ(p.CasesCode, (Code4{0, 0, 0, 0}));
    EXPECT_EQ(p.CouleursCases, couleurs);
    EXPECT_EQ(p.Historique[1], Coup{});
}

// One rule says how a game stands, whoever asks: a loaded game of 100 moves
// without a win is lost although the window still takes the guess that shows
// it, and a won game stays won.
TEST(Issue, AGameOfAHundredMovesWithoutAWinIsLostEvenBeforeTheNextGuess)
{
    Partie p;
    PartieSauvee sauvee;
    sauvee.CodeSecret = {1, 2, 3, 4};
    for (const auto& code : TousLesCodes())
        if (sauvee.Coups.size() < MaxCoups && code[0] != 1 && code[1] != 2)
            sauvee.Coups.push_back(
                {char('0' + code[0]), char('0' + code[1]), char('0' + code[2]), char('0' + code[3])});
    sauvee.Coups.pop_back();
    ChargerPartie(p, sauvee);
    EXPECT_EQ(Issue(p), IssuePartie::EnCours);

    sauvee.Coups.push_back({'8', '7', '6', '5'});
    ChargerPartie(p, sauvee);
    EXPECT_TRUE(p.EnCours);
    EXPECT_EQ(Issue(p), IssuePartie::Perdue);
    // Even the hidden code cannot win it now: the next guess shows the loss.
    p.CasesCode = p.CodeSecret;
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Perdu);
    EXPECT_EQ(Issue(p), IssuePartie::Perdue);

    sauvee.Coups.back() = {'1', '2', '3', '4'};
    ChargerPartie(p, sauvee);
    EXPECT_FALSE(p.EnCours);
    EXPECT_EQ(Issue(p), IssuePartie::Gagnee);
}

// A hint is composed as the player would compose it, and counted; a game
// left with a move played counts as abandoned until it ends, and a game kept
// on disk comes back with its hints and kind.
TEST(ComposerIndice, ComposesCountsAndLeavesTheCursorOnTheFirstCell)
{
    Partie p = EnCoursDeJeu();
    EXPECT_TRUE(LaisseeCompteAbandonnee(p));
    ComposerIndice(p, {8, 6, 4, 2});
    EXPECT_EQ(p.CasesCode, (Code4{8, 6, 4, 2}));
    EXPECT_EQ(p.CouleursCases[3], p.Palette[1]);
    EXPECT_EQ(p.CaseCourante, 0);
    EXPECT_EQ(p.IndicesUtilises, 1);
    p.CasesCode = p.CodeSecret;
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Gagne);
    EXPECT_FALSE(LaisseeCompteAbandonnee(p));

    const auto sauvee = SauverPartie(p);
    ChargerPartie(p, sauvee, 3, {SortePartie::DuJour, 20261211});
    EXPECT_EQ(p.IndicesUtilises, 3);
    EXPECT_EQ(p.Origine, (OriginePartie{SortePartie::DuJour, 20261211}));
    NouvellePartie(p, Pastel, Code4{1, 2, 3, 4}, {});
    EXPECT_FALSE(LaisseeCompteAbandonnee(p));
}

TEST(Codes, AllTheDifferentCodesOnceEachInOrder)
{
    const auto& codes = TousLesCodes();
    ASSERT_EQ(codes.size(), std::size_t{NbCodes});
    EXPECT_EQ(codes.front(), (Code4{1, 2, 3, 4}));
    EXPECT_EQ(codes.back(), (Code4{8, 7, 6, 5}));
    EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
    for (const auto& code : codes)
        EXPECT_EQ(std::set<int>(code.begin(), code.end()).size(), 4u);
}
