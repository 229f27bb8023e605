// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// A player that does not cheat: from the guesses played and their scores it
// finds the codes still possible and a good next guess. It knows nothing of
// the hidden code but what the scores say.
#include <span>
#include <vector>

#include "Codes.h"
#include "Partie.h"

namespace vorlinde {

// The codes that would give every move its score, scored as the game scores
// a move (moves that repeat a colour included), in the order of TousLesCodes.
std::vector<Code4> CodesPossibles(std::span<const Coup> coups);
// Those of `possibles` that would give `coup` its score.
std::vector<Code4> Filtrer(std::span<const Code4> possibles, const Coup& coup);

struct Indice {
    Code4 Code{};
    bool Possible = false;  // the guess is itself one of the possible codes
    int PireCas = 0;        // the most codes it can leave possible
};

// The next guess: among all 1680 codes (a guess that is not itself possible
// may split the possible codes better), never one of `joues`, the one whose
// scores split `possibles` into the most parts, and between as many parts
// the one that leaves the fewest codes on average; ties go to a possible
// code, then to the lowest code. With one or two codes left, the first of
// them. `possibles` must not be empty.
Indice MeilleurCoup(std::span<const Code4> possibles, std::span<const Code4> joues);

// The hint for a game in progress, as the window and the command line give
// it: the next guess after the game's moves, and how many codes remain.
// While the game has followed the hints from its first guess, the guess is
// the stored strategy's (Strategie.h), which finds every code in the fewest
// guesses; off it, the search's best guess when at most 40 codes are left
// and it finishes in time, and MeilleurCoup's otherwise. In hard mode the
// guess is always one of the codes still possible: the strategy's when it
// is one, otherwise the best split among them.
struct Conseil {
    Indice Coup;
    std::size_t Possibles = 0;
};
Conseil ConseillerCoup(const Partie& partie);

// One move of a game seen by the solver: how many codes were possible
// before and after it, whether the guess was one of them, and the guess the
// solver would have played there.
struct AnalyseCoup {
    Coup Joue;
    int PossiblesAvant = 0;
    int PossiblesApres = 0;
    bool Compatible = false;
    Indice Conseil;
};

// `coups` are scored moves, oldest first.
std::vector<AnalyseCoup> AnalyserPartie(std::span<const Coup> coups);

// The colour numbers of a move's code (0 for a character that is not a digit).
Code4 CodeDuCoup(const Coup& coup);

// The number of guesses the solver needs to find `secret` from the start,
// following ConseillerCoup move by move; 0 for a code that repeats a colour.
int CoupsDuSolveur(const Code4& secret);

// The number of guesses the stored strategy needs for each of the 1680
// codes, in the order of TousLesCodes, read from its guesses alone.
std::vector<int> CoupsPourChaqueCode();

}  // namespace vorlinde
