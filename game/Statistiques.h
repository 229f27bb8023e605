// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The player's record over every game: how games ended, the streak of wins,
// and how many guesses the wins took.
#include <array>
#include <string>

namespace vorlinde {

// Wins are counted by guesses from 1 to 10, then together from 11 on.
inline constexpr int ColonnesCoups = 11;

struct Statistiques {
    int Gagnees = 0;
    int Perdues = 0;
    int Abandonnees = 0;
    int GagneesAvecIndice = 0;
    int SerieEnCours = 0;
    int MeilleureSerie = 0;
    int CoupsDesVictoires = 0;  // the guesses of every win, added up
    int MeilleurePartie = 0;    // the fewest guesses of a win; 0 before the first
    std::array<int, ColonnesCoups> VictoiresParCoups{};

    int Jouees() const { return Gagnees + Perdues + Abandonnees; }
    bool operator==(const Statistiques&) const = default;
};

enum class FinDePartie { Gagnee, Perdue, Abandonnee };

// One game ended: a win extends the streak, a loss or an abandon ends it.
// `coups` and `avecIndice` matter for a win only.
void Compter(Statistiques& statistiques, FinDePartie fin, int coups, bool avecIndice);

// The guesses a win takes on average, with one decimal and a French comma
// ("4,8"); "0" before the first win.
std::string MoyenneDesCoups(const Statistiques& statistiques);

}  // namespace vorlinde
