// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Searches the way of playing that finds every code in the fewest guesses in
// total, never more than six, and writes it as game/StrategieDonnees.h: the
// guess of each of its positions of three codes or more, depth first, the
// positions after a guess in the order of their scores.
//   chercher_strategie > game/StrategieDonnees.h
#include <chrono>
#include <cstdio>
#include <numeric>

#include "game/Codes.h"
#include "game/Recherche.h"
#include "game/ScoreRapide.h"

using namespace vorlinde;

namespace {

constexpr int ProfondeurMax = 6;

void Ecrire(const Recherche& recherche, const std::vector<int>& s, int profondeur, std::vector<int>& essais,
            std::vector<int>& coups)
{
    const int essai = s.size() <= 2 ? s.front() : recherche.EssaiConnu(s, profondeur);
    if (essai < 0) {
        std::fprintf(stderr, "chercher_strategie: une position sans coup\n");
        std::exit(1);
    }
    if (s.size() > 2)
        essais.push_back(essai);
    std::array<std::vector<int>, NbScores> classes;
    for (const int c : s)
        classes[Score(Rapides()[essai], Rapides()[c])].push_back(c);
    for (int k = 0; k < NbScores; ++k) {
        if (k == ScoreGagne && !classes[k].empty())
            coups[essai] = ProfondeurMax + 1 - profondeur;
        else if (!classes[k].empty())
            Ecrire(recherche, classes[k], profondeur - 1, essais, coups);
    }
}

}  // namespace

int main()
{
    const auto debut = std::chrono::steady_clock::now();
    std::vector<int> tous(NbCodes);
    std::iota(tous.begin(), tous.end(), 0);
    Recherche recherche;
    const auto resultat = recherche.Resoudre(tous, {}, ProfondeurMax);
    if (!resultat)
        return 1;
    std::vector<int> essais;
    std::vector<int> coups(NbCodes, 0);
    Ecrire(recherche, tous, ProfondeurMax, essais, coups);
    int total = 0;
    int pire = 0;
    for (const int c : coups) {
        total += c;
        pire = std::max(pire, c);
    }
    std::fprintf(stderr, "%d coups en tout (%d trouvés par la recherche), au plus %d, %zu positions, %.1f s\n", total,
                 resultat->Total, pire, essais.size(),
                 std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count());
    if (total != resultat->Total)
        return 1;
    std::printf("// SPDX-FileCopyrightText: 2026 The Vorlinde developers\n"
                "// SPDX-License-Identifier: MIT\n"
                "// Written by chercher_strategie: %d guesses in total for the %d codes, at most %d.\n"
                "#pragma once\n\n#include <array>\n#include <cstdint>\n\nnamespace vorlinde {\n\n"
                "// clang-format off\n"
                "inline constexpr std::array<std::uint16_t, %zu> EssaisDeLaStrategie{\n",
                total, NbCodes, pire, essais.size());
    for (std::size_t i = 0; i < essais.size(); ++i)
        std::printf("%s%d,%s", i % 12 == 0 ? "    " : " ", essais[i],
                    (i % 12 == 11 || i + 1 == essais.size()) ? "\n" : "");
    std::printf("};\n// clang-format on\n\n}  // namespace vorlinde\n");
}
