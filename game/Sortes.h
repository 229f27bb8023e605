// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Where hidden codes come from besides a plain draw: a game's number, the
// day's date, and what the moves played still allow.
#include <cstdint>
#include <string>
#include <string_view>

#include "Partie.h"

namespace vorlinde {

inline constexpr std::int32_t NumeroMax = 999999;

// A game's number, drawn from `aleatoire`: 1 to NumeroMax.
std::int32_t TirerNumero(const SourceAleatoire& aleatoire);

// The hidden code of a number: the draw of every game, seeded with it. A
// number 1..NumeroMax names a numbered game, a date (yyyymmdd, always above
// NumeroMax) the day's code; each gives one code on every machine.
Code4 CodeNumerote(std::int32_t numero);

// Dates as numbers yyyymmdd, which sort as the days do.
bool DateValide(std::int32_t date);
// The day after `date`; 0 for a date that is not valid.
std::int32_t Lendemain(std::int32_t date);

// How the game in progress is kept on disk beside it: "numerotee 4242",
// "jour 20261210", "deux"; a game loaded from a saved file writes nothing.
// A text that names no kind, or a number out of its range, reads as a game
// loaded from a file.
std::string EcrireOrigine(const OriginePartie& origine);
OriginePartie LireOrigine(std::string_view texte);

// All that the game in progress keeps beside its moves: its kind's line,
// then "difficile" for a game in hard mode, then "temps <ms>" once it has
// a time. A line that names nothing known is passed over, so that a later
// version's lines never cost the kind.
struct SorteGardee {
    OriginePartie Origine{};
    bool Difficile = false;
    std::int64_t Duree = 0;
    bool operator==(const SorteGardee&) const = default;
};
std::string EcrireSorte(const Partie& partie);
SorteGardee LireSorte(std::string_view texte);

// Whether the composed code can still be the hidden one, given the moves played.
struct Verification {
    enum class Etat {
        Incomplet,  // a cell is empty, or two hold the same colour
        Exclu,      // a move rules it out: the first one is `Coup`
        Possible,   // it agrees with every move; `Autres` other codes do too
    };
    Etat Resultat = Etat::Incomplet;
    int Coup = 0;
    int BiPlAvecLui = 0;  // what move `Coup` would have scored with it
    int MalPlAvecLui = 0;
    int BiPl = 0;  // what it scored
    int MalPl = 0;
    int Autres = 0;
};
Verification VerifierCode(const Partie& partie);

}  // namespace vorlinde
