// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The solver's speed against its floor, scoring every pair of codes once,
// and, with --table, how many guesses it needs for each of the 1680 codes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <chrono>
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

// A game whose moves are `debut`, then the hints until the code is found.
std::vector<Coup> PartieAuxIndices(const Code4& secret, const std::vector<Code4>& debut)
{
    Partie partie;
    for (const auto& essai : debut)
        partie.Historique[++partie.NbCoups] = Jouer(secret, essai);
    while (partie.Historique[partie.NbCoups].BiPl != ScoreGagnant && partie.NbCoups < MaxCoups)
        partie.Historique[partie.NbCoups + 1] = Jouer(secret, ConseillerCoup(partie).Coup.Code), ++partie.NbCoups;
    return {partie.Historique.begin() + 1, partie.Historique.begin() + 1 + partie.NbCoups};
}

// The first guesses of the games the worst case is looked for in: the
// stored strategy's own, and some it never makes (one repeats a colour).
const std::vector<std::vector<Code4>> Debuts{
    {}, {{5, 6, 7, 8}}, {{1, 2, 4, 3}}, {{2, 1, 4, 3}}, {{1, 2, 5, 6}}, {{1, 1, 2, 2}}, {{8, 7, 6, 5}, {1, 2, 3, 4}}};

// Every position of the games above for all 1680 codes, each hint timed;
// the slowest hundred timed again five times, their least time kept.
int PireIndice()
{
    using Horloge = std::chrono::steady_clock;
    struct Mesure {
        double Ms;
        std::vector<Coup> Coups;
    };
    const auto mesurer = [](const std::vector<Coup>& coups) {
        Partie partie;
        for (const auto& coup : coups)
            partie.Historique[++partie.NbCoups] = coup;
        const auto debut = Horloge::now();
        benchmark::DoNotOptimize(ConseillerCoup(partie));
        return std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
    };
    std::vector<Mesure> mesures;
    long total = 0;
    for (const auto& debut : Debuts) {
        long coups = 0;
        int pire = 0;
        for (const auto& secret : TousLesCodes()) {
            const auto partie = PartieAuxIndices(secret, debut);
            coups += static_cast<long>(partie.size());
            pire = std::max(pire, static_cast<int>(partie.size()));
            for (std::size_t n = debut.size(); n + 1 < partie.size() + 1; ++n) {
                const std::vector<Coup> position(partie.begin(), partie.begin() + static_cast<long>(n));
                mesures.push_back({mesurer(position), position});
            }
        }
        std::string texte;
        for (const auto& c : debut)
            texte += TexteCode(c) + " ";
        std::printf("first guesses %-10s then hints: %ld guesses in all, at most %d\n",
                    debut.empty() ? "(hints)" : texte.c_str(), coups, pire);
    }
    total = static_cast<long>(mesures.size());
    std::sort(mesures.begin(), mesures.end(), [](const Mesure& a, const Mesure& b) { return a.Ms > b.Ms; });
    mesures.resize(std::min<std::size_t>(100, mesures.size()));
    for (auto& m : mesures) {
        for (int i = 0; i < 5; ++i)
            m.Ms = std::min(m.Ms, mesurer(m.Coups));
    }
    const auto pire = *std::max_element(mesures.begin(), mesures.end(),
                                        [](const Mesure& a, const Mesure& b) { return a.Ms < b.Ms; });
    std::string texte;
    for (const auto& c : pire.Coups)
        texte += c.TexteCode() + " " + std::to_string(c.BiPl) + "/" + std::to_string(c.MalPl) + "  ";
    std::printf("slowest of %ld hints: %.2f ms (target <= 5 ms), after %s\n", total, pire.Ms, texte.c_str());
    return 0;
}

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

// Every code played through the hints, as the window and the command line
// give them, checked against the stored strategy read on its own.
int Table()
{
    const auto strategie = CoupsPourChaqueCode();
    std::map<int, int> repartition;
    int ecarts = 0;
    for (int rang = 0; rang < NbCodes; ++rang) {
        const int n = CoupsDuSolveur(TousLesCodes()[rang]);
        ++repartition[n];
        ecarts += n != strategie[rang];
    }
    long total = 0;
    for (const auto& [n, parties] : repartition) {
        std::printf("%d guess%s: %4d games\n", n, n > 1 ? "es" : "  ", parties);
        total += static_cast<long>(n) * parties;
    }
    std::printf("average: %ld / 1680 = %.4f guesses (the best possible is 7817 / 1680 = 4.6530), at most %d; "
                "codes where the stored strategy says otherwise: %d\n",
                total, static_cast<double>(total) / NbCodes, repartition.rbegin()->first, ecarts);
    return ecarts == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--table") == 0)
        return Table();
    if (argc > 1 && std::strcmp(argv[1], "--pire-indice") == 0)
        return PireIndice();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
