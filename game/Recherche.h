// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The fewest guesses in total to find every one of a set of codes: a depth
// first search over every guess, cut as soon as a bound on what the codes
// still need reaches the best total found, each split of the codes tried
// once, and guesses that the position's symmetries make alike tried once.
// From the first guess it proves the stored strategy the best (under a
// minute on one core, outils/); during a game it finishes a game that left
// that strategy, when few codes are left and it can within its budget.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "Partie.h"
#include "ScoreRapide.h"

namespace vorlinde {

struct ResultatRecherche {
    int Total = 0;   // guesses in total, each code counted from this position
    int Essai = -1;  // the first guess, by its place in TousLesCodes
};

class Recherche {
public:
    // `budget`: how many scores the search may compute before it gives up; 0 for no limit.
    explicit Recherche(long budget = 0);

    // The best first guess for `possibles` (places in TousLesCodes, in
    // increasing order), after the guesses `joues`, every code found within
    // `profondeur` guesses; nothing once the budget is spent.
    std::optional<ResultatRecherche> Resoudre(std::span<const int> possibles, const std::vector<Code4>& joues,
                                              int profondeur);

    // The best guess the search found for a position it solved, or -1.
    int EssaiConnu(std::span<const int> possibles, int profondeur) const;

    long Scores() const { return scores_; }

private:
    struct Connu {
        int Minimum = 0;  // the total is at least this
        bool Exact = false;
        int Essai = -1;
    };
    // A guess weighed: the least total it can give, the sum of the squares
    // of its parts' sizes, its place in TousLesCodes, and how it splits.
    struct Candidat {
        int Borne;
        int Carres;
        int Essai;
        std::uint64_t Partage;
    };
    int Explorer(const std::vector<int>& s, int profondeur, int beta);
    // Every guess that may do better than `beta`; a total when the search
    // ends there (a guess that leaves every code alone, the last one
    // weighed, or the budget spent).
    std::optional<int> Peser(const std::vector<int>& s, int profondeur, int beta, std::vector<Candidat>& candidats);
    static std::uint64_t Partage(const std::vector<std::uint8_t>& scores, bool possible);
    static void Ordonner(std::vector<Candidat>& candidats);
    // The codes by the score a guess gives them; kept from one guess to the
    // next of the same position, so that their room is made once.
    using Classes = std::array<std::vector<int>, NbScores>;
    int Essayer(const std::vector<int>& s, const Candidat& candidat, int profondeur, int beta, Classes& classes);
    std::uint64_t Cle(std::span<const int> s, int profondeur) const;

    long budget_;
    long scores_ = 0;
    bool epuise_ = false;
    std::vector<Code4> joues_;
    std::unordered_map<std::uint64_t, Connu> connus_;
};

// The least total for n codes within `profondeur` guesses, whatever they are:
// one found by the first guess, 13 by the second, 13 x 13 by the third...
int BorneInferieure(int n, int profondeur);

}  // namespace vorlinde
