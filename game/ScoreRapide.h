// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Scoring between two codes of four different colours, as the solver does it
// millions of times: the well-placed colours position by position, the shared
// colours by their sets. Codes are named by their place in TousLesCodes.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "Codes.h"

namespace vorlinde {

struct CodeRapide {
    std::array<std::int8_t, LongueurCode> Couleurs{};
    std::uint8_t Ensemble = 0;  // bit n - 1 for colour n
};

// Counted once, since a processor without a popcount instruction makes
// std::popcount a call.
inline constexpr auto NbBits = [] {
    std::array<std::uint8_t, 256> n{};
    for (int i = 1; i < 256; ++i)
        n[i] = static_cast<std::uint8_t>(n[i / 2] + i % 2);
    return n;
}();

// Scores as an index: 5 x well placed + misplaced, 0..24.
inline constexpr int NbScores = 25;
inline constexpr int ScoreGagne = 5 * ScoreGagnant;

const std::vector<CodeRapide>& Rapides();

inline int Score(const CodeRapide& a, const CodeRapide& b)
{
    const int bien = (a.Couleurs[0] == b.Couleurs[0]) + (a.Couleurs[1] == b.Couleurs[1])
        + (a.Couleurs[2] == b.Couleurs[2]) + (a.Couleurs[3] == b.Couleurs[3]);
    const int communes = NbBits[a.Ensemble & b.Ensemble];
    return 5 * bien + (communes - bien);
}

inline int ScoreDuCoup(const Coup& coup)
{
    return 5 * coup.BiPl + coup.MalPl;
}

// The place of a code of four different colours in TousLesCodes, or -1:
// TousLesCodes counts them in order, so each colour weighs the number of
// lower colours still free times the codes the later positions can make.
inline int Rang(const Code4& code)
{
    constexpr std::array<int, LongueurCode> poids{7 * 6 * 5, 6 * 5, 5, 1};
    unsigned prises = 0;
    int rang = 0;
    for (int p = 0; p < LongueurCode; ++p) {
        const int c = code[p];
        if (c < 1 || c > NbCouleurs || (prises & (1u << c)))
            return -1;
        rang += (c - 1 - NbBits[prises & ((1u << c) - 1) & 0xFFu]) * poids[p];
        prises |= 1u << c;
    }
    return rang;
}

// The symmetries of a position: the ways to move positions and rename
// colours that leave every guess played as it is, and so the codes still
// possible as they are. Guesses that one of them exchanges split those codes
// alike; only the lowest of each such family needs to be looked at.
class Symetries {
public:
    explicit Symetries(const std::vector<Code4>& joues);
    // Whether no symmetry turns `code` into a lower code.
    bool PlusBas(const Code4& code) const;

private:
    struct Symetrie {
        std::array<int, LongueurCode> Positions;  // position p takes the colour of position Positions[p]
        std::array<int, 10> Couleurs;             // -1 for a colour no guess holds
    };
    std::vector<Symetrie> symetries_;
    unsigned libres_ = 0;  // bit n: colour n is in no guess
};

}  // namespace vorlinde
