// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/Statistiques.h"

using namespace vorlinde;

// A season of games: wins extend the streak, a loss or an abandon ends it,
// wins are counted by guesses (11 and more together), with their average.
TEST(Statistiques, ASeasonOfGames)
{
    Statistiques s;
    EXPECT_EQ(MoyenneDesCoups(s), "0");
    Compter(s, FinDePartie::Gagnee, 5, false);
    Compter(s, FinDePartie::Gagnee, 4, true);
    Compter(s, FinDePartie::Perdue, 100, false);
    Compter(s, FinDePartie::Gagnee, 14, false);
    Compter(s, FinDePartie::Abandonnee, 3, false);
    Compter(s, FinDePartie::Gagnee, 1, false);
    EXPECT_EQ(s.Jouees(), 6);
    EXPECT_EQ(s.Gagnees, 4);
    EXPECT_EQ(s.Perdues, 1);
    EXPECT_EQ(s.Abandonnees, 1);
    EXPECT_EQ(s.GagneesAvecIndice, 1);
    EXPECT_EQ(s.SerieEnCours, 1);
    EXPECT_EQ(s.MeilleureSerie, 2);
    EXPECT_EQ(s.MeilleurePartie, 1);
    EXPECT_EQ(s.VictoiresParCoups, (std::array<Compte, ColonnesCoups>{1, 0, 0, 1, 1, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(MoyenneDesCoups(s), "6,0");
    Compter(s, FinDePartie::Gagnee, 4, false);  // 28 guesses over 5 wins
    EXPECT_EQ(MoyenneDesCoups(s), "5,6");
    Statistiques t;
    for (const int coups : {4, 5, 5, 5, 5})  // 24 / 5
        Compter(t, FinDePartie::Gagnee, coups, false);
    EXPECT_EQ(MoyenneDesCoups(t), "4,8");
}

// At the record's bound a game is no longer counted: the record never holds
// a figure that its reader would refuse.
TEST(Statistiques, CountingStopsAtTheBound)
{
    Statistiques s;
    s.Gagnees = s.MeilleureSerie = s.SerieEnCours = CompteMax;
    s.VictoiresParCoups[4] = CompteMax;
    s.CoupsDesVictoires = 5 * CompteMax / 10;
    const auto avant = s;
    Compter(s, FinDePartie::Gagnee, 5, false);
    EXPECT_EQ(s, avant);
    Compter(s, FinDePartie::Perdue, 100, false);
    EXPECT_EQ(s.Perdues, 1);
    EXPECT_EQ(s.SerieEnCours, 0);
}
