// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The player's record over every game: how games ended, the streak of wins,
// how many guesses the wins took, and the days whose code was played.
#include <array>
#include <cstdint>
#include <string>

namespace vorlinde {

// Wins are counted by guesses from 1 to 10, then together from 11 on.
inline constexpr int ColonnesCoups = 11;

// Counts in 64 bits: their sums never overflow, whatever a record holds
// within its bounds.
using Compte = std::int64_t;

struct Statistiques {
    Compte Gagnees = 0;
    Compte Perdues = 0;
    Compte Abandonnees = 0;
    Compte GagneesAvecIndice = 0;
    Compte GagneesDifficiles = 0;  // the wins in hard mode
    // The wins whose time is known (those counted before times were kept
    // have none), their seconds added up, and the fastest; 0 before one.
    Compte VictoiresChronometrees = 0;
    Compte TempsDesVictoires = 0;
    Compte MeilleurTemps = 0;
    Compte SerieEnCours = 0;
    Compte MeilleureSerie = 0;
    Compte CoupsDesVictoires = 0;  // the guesses of every win, added up
    Compte MeilleurePartie = 0;    // the fewest guesses of a win; 0 before the first
    std::array<Compte, ColonnesCoups> VictoiresParCoups{};
    // The day's games, one a day: how many days, the run of days that
    // follow each other up to the last, and the longest run.
    Compte JoursJoues = 0;
    Compte SerieDeJours = 0;
    Compte MeilleureSerieDeJours = 0;
    // The last day counted (yyyymmdd, 0 before the first), and how its
    // game ended: its FinDePartie plus one, and its guesses.
    Compte DernierJour = 0;
    Compte IssueDernierJour = 0;
    Compte CoupsDernierJour = 0;

    Compte Jouees() const { return Gagnees + Perdues + Abandonnees; }
    bool operator==(const Statistiques&) const = default;
};

// The largest figure the record holds: a game that would take one past it is
// not counted, so that the record never holds a figure its reader refuses.
inline constexpr Compte CompteMax = 100000000;

enum class FinDePartie { Gagnee, Perdue, Abandonnee };

// A game that ended, as the record counts it.
struct PartieTerminee {
    FinDePartie Fin = FinDePartie::Gagnee;
    int Coups = 0;
    bool AvecIndice = false;
    std::int32_t Jour = 0;  // the date of a day's game, 0 for any other
    bool Difficile = false;
    // Its time, from its first move to its end, in seconds; -1 when not
    // known (a game counted by a version that kept no time).
    std::int64_t Secondes = -1;
    bool operator==(const PartieTerminee&) const = default;
};

// One game ended: a win extends the streak, a loss or an abandon ends it.
// Its guesses, hint, mode and time matter for a win only. The day's game of `jour`
// (yyyymmdd) also counts its day, when no day as late is counted yet;
// otherwise, and for any other game (`jour` 0), it counts as an ordinary
// game. A last day later than `aujourdhui` (a clock that was set ahead) does
// not hold the days back: the day's game of today counts its day, and the
// run of days starts again. Nothing changes when a figure would pass
// CompteMax.
void Compter(Statistiques& statistiques, const PartieTerminee& partie, std::int32_t aujourdhui = 0);
void Compter(Statistiques& statistiques, FinDePartie fin, int coups, bool avecIndice, std::int32_t jour = 0,
             std::int32_t aujourdhui = 0);

// The last day counted is later than `aujourdhui`.
bool DernierJourFutur(const Statistiques& statistiques, std::int32_t aujourdhui);

// The run of days as it stands on `aujourdhui`: broken once a day went by
// without its game.
Compte SerieDeJoursAu(const Statistiques& statistiques, std::int32_t aujourdhui);

// The guesses a win takes on average, with one decimal and a French comma
// ("4,8"); "0" before the first win.
std::string MoyenneDesCoups(const Statistiques& statistiques);

// The average time of the wins whose time is known, in whole seconds
// rounded half up; 0 before one.
Compte TempsMoyen(const Statistiques& statistiques);

}  // namespace vorlinde
