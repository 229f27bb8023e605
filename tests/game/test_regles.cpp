// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "game/Aleatoire.h"
#include "game/Codes.h"
#include "game/Couleurs.h"
#include "game/Partie.h"
#include "textes/Textes.h"

using namespace vorlinde;

namespace {

Partie PartieAvecCode(Code4 code)
{
    Partie p;
    p.CodeSecret = code;
    return p;
}

Coup CoupDe(const std::string& texte)
{
    Coup c;
    c.AffecterCode(texte);
    return c;
}

// Codes that never win against 1234: the first colour is 5 or more.
std::vector<Code4> CodesSansVictoire(std::size_t n)
{
    std::vector<Code4> codes;
    for (const auto& code : TousLesCodes())
        if (code[0] >= 5 && codes.size() < n)
            codes.push_back(code);
    return codes;
}

}  // namespace

TEST(ScoreCoup, CountsEveryMatchingPairOnce)
{
    const Code4 secret{1, 2, 3, 4};
    const std::map<std::string, std::pair<int, int>> attendu{
        {"1234", {4, 0}}, {"4321", {0, 4}}, {"5678", {0, 0}}, {"1243", {2, 2}},
        {"1111", {1, 3}}, {"    ", {0, 0}}, {"1 x4", {2, 0}}, {"2567", {0, 1}},
    };
    for (const auto& [code, score] : attendu) {
        Coup c = CoupDe(code);
        EXPECT_EQ(ScoreCoup(secret, c), score.first) << code;
        EXPECT_EQ(c.BiPl, score.first) << code;
        EXPECT_EQ(c.MalPl, score.second) << code;
    }
}

TEST(Coup, CodeIsAFixedLengthField)
{
    EXPECT_EQ(CoupDe("37").TexteCode(), "37  ");
    EXPECT_EQ(CoupDe("371856").TexteCode(), "3718");
    EXPECT_EQ(Coup{}.TexteCode(), "    ");
}

TEST(Validation, RefusalsComeInOrderAndChangeNothing)
{
    Partie p = PartieAvecCode({1, 2, 3, 4});
    const auto essayer = [&](std::array<std::int16_t, 4> cases) {
        p.CasesCode = cases;
        const Partie avant = p;
        const auto r = ValiderCode(p);
        if (r == ResultatValidation::Incomplet || r == ResultatValidation::CouleurEnDouble
            || r == ResultatValidation::DejaJoue) {
            EXPECT_EQ(p, avant);
        }
        return r;
    };
    for (int vide = 0; vide < 4; ++vide) {
        std::array<std::int16_t, 4> cases{5, 6, 7, 8};
        cases[vide] = 0;
        EXPECT_EQ(essayer(cases), ResultatValidation::Incomplet) << vide;
    }
    EXPECT_EQ(essayer({9, 1, 2, 3}), ResultatValidation::Incomplet);
    EXPECT_EQ(essayer({0, 3, 3, 1}), ResultatValidation::Incomplet);  // completeness first
    EXPECT_EQ(essayer({3, 3, 1, 2}), ResultatValidation::CouleurEnDouble);
    EXPECT_EQ(essayer({3, 1, 2, 3}), ResultatValidation::CouleurEnDouble);
    EXPECT_EQ(essayer({5, 6, 7, 8}), ResultatValidation::Enregistre);  // first move never "already played"
    EXPECT_EQ(essayer({5, 6, 7, 8}), ResultatValidation::DejaJoue);
    EXPECT_EQ(p.NbCoups, 1);
    EXPECT_EQ(p.Historique[1].TexteCode(), "5678");
    EXPECT_TRUE(p.EnCours);
}

TEST(Validation, AWinRecordsTheMoveAndEndsTheGame)
{
    Partie p = PartieAvecCode({5, 2, 8, 1});
    p.CasesCode = {5, 2, 8, 1};
    p.CaseCourante = 2;
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Gagne);
    EXPECT_FALSE(p.EnCours);
    EXPECT_EQ(p.NbCoups, 1);
    EXPECT_EQ(p.Historique[1].BiPl, 4);
    EXPECT_EQ(p.Historique[1].MalPl, 0);
    // The composed code and the cursor stay as they were.
    EXPECT_EQ(p.CasesCode, (std::array<std::int16_t, 4>{5, 2, 8, 1}));
    EXPECT_EQ(p.CaseCourante, 2);
}

TEST(Validation, TheMoveLimitIsAHundred)
{
    Partie p = PartieAvecCode({1, 2, 3, 4});
    const auto codes = CodesSansVictoire(100);
    for (std::size_t i = 0; i < 99; ++i) {
        p.CasesCode = codes[i];
        ASSERT_EQ(ValiderCode(p), ResultatValidation::Enregistre);
    }
    ASSERT_EQ(p.NbCoups, 99);
    {
        Partie gagne = p;
        gagne.CasesCode = {1, 2, 3, 4};
        EXPECT_EQ(ValiderCode(gagne), ResultatValidation::Gagne);  // a win on the 100th move
        EXPECT_EQ(gagne.NbCoups, 100);
    }
    p.CasesCode = codes[99];
    ASSERT_EQ(ValiderCode(p), ResultatValidation::Enregistre);
    ASSERT_EQ(p.NbCoups, 100);
    ASSERT_TRUE(p.EnCours);  // the 100th move that is not a win does not end the game

    const Partie avant = p;
    p.CasesCode = {0, 1, 2, 3};
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Incomplet);
    p.CasesCode = {1, 1, 2, 3};
    EXPECT_EQ(ValiderCode(p), ResultatValidation::CouleurEnDouble);
    p.CasesCode = codes[42];
    EXPECT_EQ(ValiderCode(p), ResultatValidation::DejaJoue);
    EXPECT_TRUE(p.EnCours);

    p.CasesCode = {1, 2, 3, 4};  // complete, new, and even right: still lost
    EXPECT_EQ(ValiderCode(p), ResultatValidation::Perdu);
    EXPECT_FALSE(p.EnCours);
    EXPECT_EQ(p.NbCoups, 100);
    EXPECT_EQ(p.Historique, avant.Historique);
}

TEST(Tirage, EachDrawIsFloorOfEightRPlusOne)
{
    EXPECT_EQ(TirageCouleur(0.0), 1);
    EXPECT_EQ(TirageCouleur(0.124999), 1);
    EXPECT_EQ(TirageCouleur(0.125), 2);
    EXPECT_EQ(TirageCouleur(0.999999), 8);
    EXPECT_EQ(TirageCouleur(1.0), 8);  // never a ninth colour, whatever the source
}

TEST(Tirage, RedrawsAPositionWhileItRepeatsAnEarlierOne)
{
    // 0.0 -> 1, then 1 again (redrawn), 0.3 -> 3, 0.3 again, 0.9 -> 8, 0.5 -> 5
    const std::vector<double> suite{0.0, 0.01, 0.3, 0.3, 0.9, 0.5};
    std::size_t i = 0;
    const auto code = TirerCodeSecret([&] { return suite.at(i++); });
    EXPECT_EQ(code, (Code4{1, 3, 8, 5}));
    EXPECT_EQ(i, suite.size());
}

TEST(Tirage, AllCodesAreReachableAndRoughlyUniform)
{
    Aleatoire aleatoire(20261208);
    std::map<Code4, int> comptes;
    constexpr int Tirages = 1680 * 60;
    for (int i = 0; i < Tirages; ++i) {
        const auto code = TirerCodeSecret(std::ref(aleatoire));
        ASSERT_EQ(std::set<std::int16_t>(code.begin(), code.end()).size(), 4u);
        for (const auto n : code)
            ASSERT_TRUE(n >= 1 && n <= 8);
        ++comptes[code];
    }
    ASSERT_EQ(comptes.size(), 1680u);
    // Expected 60 each; with a fair draw a count outside 20..110 is vanishingly rare.
    for (const auto& [code, n] : comptes)
        EXPECT_TRUE(n > 20 && n < 110) << n;
}

TEST(Aleatoire, AFixedSeedGivesTheSameSequenceInTheUnitInterval)
{
    Aleatoire a(7), b(7);
    for (int i = 0; i < 1000; ++i) {
        const double x = a();
        EXPECT_EQ(x, b());
        EXPECT_TRUE(x >= 0.0 && x < 1.0);
    }
}

TEST(CodeEntry, SwatchClicksFillCellsAndTheCursorStopsAtTheLast)
{
    Partie p;
    p.CasesCode = {0, 0, 0, 0};
    for (const int swatch : {2, 6, 0, 7, 4})
        ChoisirCouleur(p, swatch);
    EXPECT_EQ(p.CasesCode, (std::array<std::int16_t, 4>{3, 7, 1, 5}));
    EXPECT_EQ(p.CaseCourante, 3);
    EXPECT_EQ(p.CoulSelect, 4);

    ChoisirCase(p, 1);
    ChoisirCouleur(p, 2);
    EXPECT_EQ(p.CasesCode[1], 3);
    EXPECT_EQ(p.CaseCourante, 2);
}

TEST(CodeEntry, HAndBMoveTheLastSwatchBetweenTheFourRows)
{
    const std::vector<std::array<int, 3>> table{{0, 0, 1}, {1, 0, 2}, {2, 1, 3}, {3, 2, 3}};
    for (const auto& [rangee, haut, bas] : table) {
        EXPECT_EQ(RangeeApresDeplacement(static_cast<std::int16_t>(rangee), 0), haut) << rangee;
        EXPECT_EQ(RangeeApresDeplacement(static_cast<std::int16_t>(rangee), 1), bas) << rangee;
    }
    Partie p;
    DeplacerSource(p, 1);  // nothing selected yet: nothing moves
    EXPECT_EQ(p.RangeeCoulSource, Partie{}.RangeeCoulSource);
    ChoisirCouleur(p, 5);
    for (int i = 0; i < 4; ++i)
        DeplacerSource(p, 1);
    EXPECT_EQ(p.RangeeCoulSource[5], 3);
}

TEST(Messages, TextsAreExactToTheCharacter)
{
    EXPECT_EQ(textes::TextePerdu({5, 2, 8, 1}),
              "Vous avez perdu ! Vous avez dépasser le nombre maximum de coups possible. Le code était : 5281 .");
    EXPECT_EQ(textes::TexteGagne(7), "Bravo ! Vous avez gagné ! Au bout de 7 coup(s).");
    EXPECT_EQ(textes::TexteGagne(100), "Bravo ! Vous avez gagné ! Au bout de 100 coup(s).");
    EXPECT_STREQ(textes::CodeIncomplet, "Veuillez complèter toutes le cases code.");
}

TEST(Couleurs, ForeColorIsTwoToTheTwentyFourMinusTheBackground)
{
    EXPECT_EQ(ForeColorPour(8355711), 8421505);
    EXPECT_EQ(ForeColorPour(0), 16777216);
    EXPECT_EQ(ForeColorPour(16777215), 1);
}

// Names a listener can picture: a colour a little off a named one keeps its
// name, and the dark and light shades of a hue are told apart.
TEST(Couleurs, EachColourIsNamedAfterTheNearestNamedOne)
{
    const std::vector<std::pair<std::int32_t, std::string>> attendus{
        {Rgb(250, 8, 8), "rouge"},         {Rgb(120, 0, 40), "bordeaux"},  {Rgb(0, 0, 128), "bleu marine"},
        {Rgb(20, 20, 255), "bleu"},        {Rgb(127, 127, 127), "gris"},   {Rgb(10, 10, 10), "noir"},
        {Rgb(0, 100, 10), "vert foncé"},   {Rgb(255, 150, 10), "orange"},  {Rgb(250, 250, 250), "blanc"},
        {Rgb(135, 195, 250), "bleu ciel"}, {Rgb(240, 10, 250), "magenta"},
    };
    for (const auto& [valeur, nom] : attendus)
        EXPECT_EQ(textes::NomDeCouleur(valeur), nom) << valeur;
}
