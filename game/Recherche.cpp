// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Recherche.h"

#include <algorithm>

#include "ScoreRapide.h"

namespace vorlinde {
namespace {

constexpr int Infini = 1 << 28;
// The scores a guess can get without winning: well placed and misplaced add
// up to at most 4, and 3 well placed leave no colour to misplace.
constexpr int IssuesSansGain = 13;
constexpr int CoutParEssai = 16;

const std::array<std::uint64_t, NbCodes>& Zobrist()
{
    static const auto valeurs = [] {
        std::array<std::uint64_t, NbCodes> v{};
        std::uint64_t x = 88172645463325252ull;
        for (auto& z : v) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            z = x;
        }
        return v;
    }();
    return valeurs;
}

}  // namespace

int BorneInferieure(int n, int profondeur)
{
    if (n <= 2 && profondeur >= n)
        return n * (n + 1) / 2;
    int total = 0;
    int niveau = 1;
    long place = 1;
    while (n > 0) {
        if (niveau > profondeur)
            return Infini;
        const int pris = static_cast<int>(std::min<long>(n, place));
        total += pris * niveau;
        n -= pris;
        place *= IssuesSansGain;
        ++niveau;
    }
    return total;
}

Recherche::Recherche(long budget) : budget_(budget) { }

std::uint64_t Recherche::Cle(std::span<const int> s, int profondeur) const
{
    std::uint64_t h = static_cast<std::uint64_t>(profondeur) * 0x9E3779B97F4A7C15ull;
    for (const int c : s)
        h ^= Zobrist()[c];
    return h;
}

std::optional<ResultatRecherche> Recherche::Resoudre(std::span<const int> possibles, const std::vector<Code4>& joues,
                                                     int profondeur)
{
    if (possibles.empty())
        return std::nullopt;
    joues_ = joues;
    epuise_ = false;
    const std::vector<int> s(possibles.begin(), possibles.end());
    const int total = Explorer(s, profondeur, Infini);
    if (epuise_ || total >= Infini)
        return std::nullopt;
    const int essai = s.size() <= 2 ? s.front() : EssaiConnu(s, profondeur);
    return ResultatRecherche{total, essai};
}

int Recherche::EssaiConnu(std::span<const int> possibles, int profondeur) const
{
    const auto it = connus_.find(Cle(possibles, profondeur));
    return (it != connus_.end() && it->second.Exact) ? it->second.Essai : -1;
}

// The least total of `s` within `profondeur` guesses when it is below
// `beta`, and otherwise a bound that is not.
int Recherche::Explorer(const std::vector<int>& s, int profondeur, int beta)
{
    const int n = static_cast<int>(s.size());
    if (n == 1)
        return 1;
    if (const int borne = BorneInferieure(n, profondeur); borne >= beta || n == 2)
        return borne;
    if (epuise_)
        return Infini;
    const std::uint64_t cle = Cle(s, profondeur);
    if (const auto it = connus_.find(cle); it != connus_.end()) {
        if (it->second.Exact || it->second.Minimum >= beta)
            return it->second.Minimum;
    }
    std::vector<Candidat> candidats;
    if (const auto fin = Peser(s, profondeur, beta, candidats)) {
        if (!epuise_)
            connus_[cle] = {*fin, true, candidats.back().Essai};
        return *fin;
    }
    Ordonner(candidats);

    const int betaInitial = beta;
    int essai = -1;
    Classes classes;
    for (const auto& candidat : candidats) {
        if (candidat.Borne >= beta)
            break;
        const int total = Essayer(s, candidat, profondeur, beta, classes);
        if (epuise_)
            return Infini;
        if (total < beta) {
            beta = total;
            essai = candidat.Essai;
        }
    }
    auto& connu = connus_[cle];
    if (essai >= 0)
        connu = {beta, true, essai};
    else
        connu.Minimum = std::max(connu.Minimum, betaInitial);
    return essai >= 0 ? beta : betaInitial;
}

std::optional<int> Recherche::Peser(const std::vector<int>& s, int profondeur, int beta,
                                    std::vector<Candidat>& candidats)
{
    const int n = static_cast<int>(s.size());
    std::vector<char> dans(NbCodes, 0);
    for (const int c : s)
        dans[c] = 1;
    const auto& rapides = Rapides();
    const auto& tous = TousLesCodes();
    const Symetries symetries(joues_);
    std::vector<std::uint8_t> scores(s.size());
    // The possible codes first: one of them that leaves every other code
    // alone ends the search at once.
    for (int passe = 0; passe < 2; ++passe)
        for (int g = 0; g < NbCodes; ++g) {
            if ((passe == 0) != (dans[g] != 0) || !symetries.PlusBas(tous[g]))
                continue;
            // A guess costs its scores and about as much again to weigh them.
            scores_ += n + CoutParEssai;
            if (budget_ > 0 && scores_ > budget_) {
                epuise_ = true;
                return Infini;
            }
            std::array<int, NbScores> tailles{};
            std::array<int, NbScores> vus;
            int parts = 0;
            for (int i = 0; i < n; ++i) {
                const int score = Score(rapides[g], rapides[s[i]]);
                scores[i] = static_cast<std::uint8_t>(score);
                if (tailles[score]++ == 0)
                    vus[parts++] = score;
            }
            int carres = 0;
            int borne = n;
            for (int v = 0; v < parts; ++v) {
                const int t = tailles[vus[v]];
                carres += t * t;
                if (vus[v] != ScoreGagne)
                    borne = std::min(Infini, borne + BorneInferieure(t, profondeur - 1));
            }
            if ((parts == 1 && !dans[g]) || borne >= beta)
                continue;
            // Every code alone: nothing does better, and no possible code did as well.
            if (carres == n) {
                candidats.push_back({borne, carres, g, 0});
                return borne;
            }
            candidats.push_back({borne, carres, g, Partage(scores, dans[g])});
        }
    return std::nullopt;
}

// The split itself, whatever its scores, so that another guess that splits
// the codes the same way is tried once.
std::uint64_t Recherche::Partage(const std::vector<std::uint8_t>& scores, bool possible)
{
    std::array<int, NbScores> etiquette{};
    std::uint64_t h = possible ? 1 : 0;
    int suivante = 0;
    for (const auto score : scores) {
        int& e = etiquette[score];
        if (e == 0)
            e = ++suivante;
        h = h * 0x100000001B3ull + static_cast<std::uint64_t>(e);
    }
    return h;
}

// Of the guesses that split alike, the lowest; then the most promising first.
void Recherche::Ordonner(std::vector<Candidat>& candidats)
{
    std::stable_sort(candidats.begin(), candidats.end(),
                     [](const Candidat& a, const Candidat& b) { return a.Partage < b.Partage; });
    candidats.erase(std::unique(candidats.begin(), candidats.end(),
                                [](const Candidat& a, const Candidat& b) { return a.Partage == b.Partage; }),
                    candidats.end());
    std::sort(candidats.begin(), candidats.end(), [](const Candidat& a, const Candidat& b) {
        if (a.Borne != b.Borne)
            return a.Borne < b.Borne;
        return a.Carres != b.Carres ? a.Carres < b.Carres : a.Essai < b.Essai;
    });
}

// The total of `candidat`: each part it leaves explored, until it cannot
// beat `beta`.
int Recherche::Essayer(const std::vector<int>& s, const Candidat& candidat, int profondeur, int beta, Classes& classes)
{
    const auto& rapides = Rapides();
    for (auto& c : classes)
        c.clear();
    for (const int c : s)
        classes[Score(rapides[candidat.Essai], rapides[c])].push_back(c);
    std::array<int, NbScores> ordre;
    for (int k = 0; k < NbScores; ++k)
        ordre[k] = k;
    // The largest parts first: they decide the cut soonest.
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) { return classes[a].size() > classes[b].size(); });
    int total = candidat.Borne;
    joues_.push_back(TousLesCodes()[candidat.Essai]);
    for (const int k : ordre) {
        if (k == ScoreGagne || classes[k].size() <= 1)
            continue;
        total -= BorneInferieure(static_cast<int>(classes[k].size()), profondeur - 1);
        total += Explorer(classes[k], profondeur - 1, beta - total);
        if (total >= beta)
            break;
    }
    joues_.pop_back();
    return total;
}

}  // namespace vorlinde
