// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Solveur.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace vorlinde {
namespace {

// A code of four different colours scores against another in two steps: the
// well-placed colours position by position, the shared colours by their sets.
struct CodeRapide {
    std::array<std::int8_t, LongueurCode> Couleurs{};
    std::uint16_t Ensemble = 0;  // bit n for colour n
};

// Scores as an index: 5 x well placed + misplaced, 0..24.
constexpr int NbScores = 25;
constexpr int ScoreGagne = 5 * ScoreGagnant;

const std::vector<CodeRapide>& Rapides()
{
    static const std::vector<CodeRapide> rapides = [] {
        std::vector<CodeRapide> tous;
        for (const auto& code : TousLesCodes()) {
            CodeRapide r;
            for (int p = 0; p < LongueurCode; ++p) {
                r.Couleurs[p] = static_cast<std::int8_t>(code[p]);
                r.Ensemble = static_cast<std::uint16_t>(r.Ensemble | (1u << code[p]));
            }
            tous.push_back(r);
        }
        return tous;
    }();
    return rapides;
}

int Score(const CodeRapide& a, const CodeRapide& b)
{
    const int bien = (a.Couleurs[0] == b.Couleurs[0]) + (a.Couleurs[1] == b.Couleurs[1])
        + (a.Couleurs[2] == b.Couleurs[2]) + (a.Couleurs[3] == b.Couleurs[3]);
    const int communes = std::popcount(static_cast<unsigned>(a.Ensemble & b.Ensemble));
    return 5 * bien + (communes - bien);
}

// The place of a code of four different colours in TousLesCodes, or -1.
int Rang(const Code4& code)
{
    const auto& tous = TousLesCodes();
    const auto it = std::lower_bound(tous.begin(), tous.end(), code);
    return (it != tous.end() && *it == code) ? static_cast<int>(it - tous.begin()) : -1;
}

struct Partage {
    int Parts = 0;        // how many different scores the guess can get
    int PireCas = 0;      // the most codes that share one score
    int SommeCarres = 0;  // the sum of the parts' squared sizes: n x the codes left on average
};

Partage Partager(int essai, std::span<const int> possibles)
{
    const auto& rapides = Rapides();
    std::array<int, NbScores> tailles{};
    for (const int s : possibles)
        ++tailles[Score(rapides[essai], rapides[s])];
    Partage partage;
    for (const int t : tailles) {
        partage.Parts += t > 0;
        partage.PireCas = std::max(partage.PireCas, t);
        partage.SommeCarres += t * t;
    }
    return partage;
}

struct Choix {
    int Rang = -1;
    bool Possible = false;
    Partage Resultat;
};

Choix Meilleur(std::span<const int> possibles, std::span<const int> joues)
{
    if (possibles.size() <= 2)
        return {possibles.front(), true, Partager(possibles.front(), possibles)};
    // From the start every code splits the others the same way (colours and
    // positions play symmetric parts), so the lowest is the first guess.
    if (possibles.size() == NbCodes && joues.empty())
        return {0, true, Partager(0, possibles)};

    std::vector<char> estPossible(NbCodes, 0);
    std::vector<char> estJoue(NbCodes, 0);
    for (const int s : possibles)
        estPossible[s] = 1;
    for (const int j : joues)
        estJoue[j] = 1;
    // The most parts; between as many parts, the fewest codes left on
    // average; then a possible code, which may win at once; then the lowest.
    const auto avant = [](const Choix& a, const Choix& b) {
        if (a.Resultat.Parts != b.Resultat.Parts)
            return a.Resultat.Parts > b.Resultat.Parts;
        if (a.Resultat.SommeCarres != b.Resultat.SommeCarres)
            return a.Resultat.SommeCarres < b.Resultat.SommeCarres;
        return a.Possible && !b.Possible;
    };
    Choix meilleur;
    for (int g = 0; g < NbCodes; ++g) {
        if (estJoue[g])
            continue;
        const Choix choix{g, estPossible[g] != 0, Partager(g, possibles)};
        if (meilleur.Rang < 0 || avant(choix, meilleur))
            meilleur = choix;
    }
    return meilleur;
}

std::vector<int> Rangs(std::span<const Code4> codes)
{
    std::vector<int> rangs;
    for (const auto& code : codes)
        if (const int r = Rang(code); r >= 0)
            rangs.push_back(r);
    return rangs;
}

// Every code of `possibles` reached after the guesses `joues`: each is found
// at the depth of the node that guesses it.
void Explorer(const std::vector<int>& possibles, std::vector<int>& joues, int profondeur, std::vector<int>& coups)
{
    const int essai = Meilleur(possibles, joues).Rang;
    std::array<std::vector<int>, NbScores> parts;
    const auto& rapides = Rapides();
    for (const int s : possibles)
        parts[Score(rapides[essai], rapides[s])].push_back(s);
    joues.push_back(essai);
    for (int score = 0; score < NbScores; ++score) {
        if (score == ScoreGagne)
            coups[essai] = profondeur;
        else if (!parts[score].empty())
            Explorer(parts[score], joues, profondeur + 1, coups);
    }
    joues.pop_back();
}

}  // namespace

std::vector<Code4> Filtrer(std::span<const Code4> possibles, const Coup& coup)
{
    std::vector<Code4> restants;
    for (const auto& code : possibles) {
        Coup rejoue = coup;
        ScoreCoup(code, rejoue);
        if (rejoue.BiPl == coup.BiPl && rejoue.MalPl == coup.MalPl)
            restants.push_back(code);
    }
    return restants;
}

std::vector<Code4> CodesPossibles(std::span<const Coup> coups)
{
    std::vector<Code4> possibles = TousLesCodes();
    for (const auto& coup : coups)
        possibles = Filtrer(possibles, coup);
    return possibles;
}

Indice MeilleurCoup(std::span<const Code4> possibles, std::span<const Code4> joues)
{
    const auto choix = Meilleur(Rangs(possibles), Rangs(joues));
    return {TousLesCodes()[choix.Rang], choix.Possible, choix.Resultat.PireCas};
}

Code4 CodeDuCoup(const Coup& coup)
{
    Code4 code{};
    for (int p = 0; p < LongueurCode; ++p) {
        const char c = coup.Code[p];
        code[p] = (c >= '0' && c <= '9') ? static_cast<std::int16_t>(c - '0') : 0;
    }
    return code;
}

std::vector<AnalyseCoup> AnalyserPartie(std::span<const Coup> coups)
{
    std::vector<AnalyseCoup> analyse;
    std::vector<Code4> possibles = TousLesCodes();
    std::vector<Code4> joues;
    for (const auto& coup : coups) {
        AnalyseCoup a;
        a.Joue = coup;
        a.PossiblesAvant = static_cast<int>(possibles.size());
        const Code4 code = CodeDuCoup(coup);
        a.Compatible = std::find(possibles.begin(), possibles.end(), code) != possibles.end();
        // Scores that no code gives leave nothing to advise.
        if (!possibles.empty())
            a.Conseil = MeilleurCoup(possibles, joues);
        possibles = Filtrer(possibles, coup);
        a.PossiblesApres = static_cast<int>(possibles.size());
        joues.push_back(code);
        analyse.push_back(a);
    }
    return analyse;
}

int CoupsDuSolveur(const Code4& secret)
{
    const auto& rapides = Rapides();
    const int cible = Rang(secret);
    if (cible < 0)
        return 0;  // a code that repeats a colour is never hidden
    std::vector<int> possibles(NbCodes);
    for (int r = 0; r < NbCodes; ++r)
        possibles[r] = r;
    std::vector<int> joues;
    for (int coup = 1;; ++coup) {
        const int essai = Meilleur(possibles, joues).Rang;
        if (essai == cible)
            return coup;
        const int score = Score(rapides[essai], rapides[cible]);
        std::erase_if(possibles, [&](int s) { return Score(rapides[essai], rapides[s]) != score; });
        joues.push_back(essai);
    }
}

std::vector<int> CoupsPourChaqueCode()
{
    std::vector<int> possibles(NbCodes);
    for (int r = 0; r < NbCodes; ++r)
        possibles[r] = r;
    std::vector<int> joues;
    std::vector<int> coups(NbCodes, 0);
    Explorer(possibles, joues, 1, coups);
    return coups;
}

Conseil ConseillerCoup(const Partie& partie)
{
    const auto coups = CoupsJoues(partie);
    const auto possibles = CodesPossibles(coups);
    std::vector<Code4> joues;
    for (const auto& coup : coups)
        joues.push_back(CodeDuCoup(coup));
    if (possibles.empty())
        return {};
    return {MeilleurCoup(possibles, joues), possibles.size()};
}

}  // namespace vorlinde
