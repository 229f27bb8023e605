// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The solver's speed against its floor, scoring every pair of codes once,
// and, with --table, how many guesses it needs for each of the 1680 codes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <map>

#include "game/Solveur.h"

using namespace vorlinde;

namespace {

Coup Jouer(const Code4& secret, const Code4& essai)
{
    Coup coup;
    coup.AffecterCode(TexteCode(essai));
    ScoreCoup(secret, coup);
    return coup;
}

// The floor: every pair of codes scored once, well placed by position and
// shared colours by their sets, as fast as a score can be had.
void BM_Plancher(benchmark::State& etat)
{
    std::vector<std::array<int, 5>> codes;
    for (const auto& c : TousLesCodes())
        codes.push_back({c[0], c[1], c[2], c[3], (1 << c[0]) | (1 << c[1]) | (1 << c[2]) | (1 << c[3])});
    for (auto _ : etat) {
        long total = 0;
        for (const auto& a : codes)
            for (const auto& b : codes) {
                const int bien = (a[0] == b[0]) + (a[1] == b[1]) + (a[2] == b[2]) + (a[3] == b[3]);
                total += 5 * bien + std::popcount(static_cast<unsigned>(a[4] & b[4])) - bien;
            }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_Plancher);

// The hint in the position that leaves the most codes after the first
// guess: the costliest one.
void BM_IndicePireCas(benchmark::State& etat)
{
    std::vector<Coup> pire;
    std::size_t plus = 0;
    for (const auto& secret : TousLesCodes()) {
        const std::vector coups{Jouer(secret, {1, 2, 3, 4})};
        if (const auto n = CodesPossibles(coups).size(); n > plus) {
            plus = n;
            pire = coups;
        }
    }
    etat.counters["codes_possibles"] = static_cast<double>(plus);
    for (auto _ : etat)
        benchmark::DoNotOptimize(MeilleurCoup(CodesPossibles(pire), std::vector{Code4{1, 2, 3, 4}}));
}
BENCHMARK(BM_IndicePireCas);

// A game of 100 moves analysed move by move, with the solver's own game.
void BM_Analyse100Coups(benchmark::State& etat)
{
    const Code4 secret{1, 2, 3, 4};
    std::vector<Coup> coups;
    for (const auto& code : TousLesCodes())
        if (code[0] >= 5 && coups.size() < 100)
            coups.push_back(Jouer(secret, code));
    for (auto _ : etat) {
        benchmark::DoNotOptimize(AnalyserPartie(coups));
        benchmark::DoNotOptimize(CoupsDuSolveur(secret));
    }
}
BENCHMARK(BM_Analyse100Coups);

void BM_Table1680Parties(benchmark::State& etat)
{
    for (auto _ : etat)
        benchmark::DoNotOptimize(CoupsPourChaqueCode());
}
BENCHMARK(BM_Table1680Parties)->Unit(benchmark::kMillisecond);

int Table()
{
    const auto coups = CoupsPourChaqueCode();
    std::map<int, int> repartition;
    for (const int n : coups)
        ++repartition[n];
    long total = 0;
    for (const auto& [n, parties] : repartition) {
        std::printf("%d guess%s: %4d games\n", n, n > 1 ? "es" : "  ", parties);
        total += static_cast<long>(n) * parties;
    }
    std::printf("average: %ld / 1680 = %.4f guesses (the best possible is 7817 / 1680 = 4.6530), at most %d\n", total,
                static_cast<double>(total) / NbCodes, repartition.rbegin()->first);
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--table") == 0)
        return Table();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
