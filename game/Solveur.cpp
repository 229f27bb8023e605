// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Solveur.h"

#include <algorithm>
#include <cstdint>

#include "Recherche.h"
#include "ScoreRapide.h"
#include "Strategie.h"

namespace vorlinde {
namespace {

// Off the stored strategy, the search finishes the game when few codes are
// left and it can within this many scores (a millisecond or two); the
// heuristic below does the rest.
constexpr int SeuilRecherche = 40;
constexpr long BudgetRecherche = 600'000;
constexpr int ProfondeurLibre = 12;

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

// `symetries`, when given, are those of the position that left `possibles`:
// of the guesses they make alike only the lowest is looked at, and it is the
// one the full search would keep (it splits the codes as the others do).
// With `parmiLesPossibles`, only a code still possible is a guess.
Choix Meilleur(std::span<const int> possibles, std::span<const int> joues, const Symetries* symetries = nullptr,
               bool parmiLesPossibles = false)
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
        if (estJoue[g] || (symetries && !symetries->PlusBas(TousLesCodes()[g]))
            || (parmiLesPossibles && !estPossible[g]))
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

// The hint after `coups`, which leave `possibles`: the stored strategy's
// guess while the game follows it; off it, the search's best guess when few
// codes are left, and the heuristic's otherwise. In hard mode, where a
// guess must fit the moves, the heuristic's among the codes still possible.
Conseil Conseiller(std::span<const Coup> coups, std::span<const Code4> possibles, bool difficile = false)
{
    if (possibles.empty())
        return {};
    const auto rangs = Rangs(possibles);
    std::vector<Code4> joues;
    for (const auto& coup : coups)
        joues.push_back(CodeDuCoup(coup));
    int essai = possibles.size() <= 2 ? rangs.front() : CoupDeLaStrategie(coups);
    if (difficile && !std::binary_search(rangs.begin(), rangs.end(), essai))
        essai = Meilleur(rangs, Rangs(joues), nullptr, true).Rang;
    if (essai < 0 && rangs.size() <= SeuilRecherche) {
        Recherche recherche(BudgetRecherche);
        if (const auto resultat = recherche.Resoudre(rangs, joues, ProfondeurLibre))
            essai = resultat->Essai;
    }
    if (essai < 0) {
        const Symetries symetries(joues);
        essai = Meilleur(rangs, Rangs(joues), &symetries).Rang;
    }
    const bool possible = std::binary_search(rangs.begin(), rangs.end(), essai);
    return {{TousLesCodes()[essai], possible, Partager(essai, rangs).PireCas}, possibles.size()};
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
    // A move of four different colours is scored the quick way.
    std::vector<Code4> possibles;
    const auto& rapides = Rapides();
    std::vector<Coup> autres;
    std::vector<std::pair<int, int>> rapidesJoues;
    for (const auto& coup : coups) {
        if (const int r = Rang(CodeDuCoup(coup)); r >= 0)
            rapidesJoues.emplace_back(r, ScoreDuCoup(coup));
        else
            autres.push_back(coup);
    }
    for (int c = 0; c < NbCodes; ++c)
        if (std::all_of(rapidesJoues.begin(), rapidesJoues.end(),
                        [&](const auto& j) { return Score(rapides[j.first], rapides[c]) == j.second; }))
            possibles.push_back(TousLesCodes()[c]);
    for (const auto& coup : autres)
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
    for (std::size_t i = 0; i < coups.size(); ++i) {
        AnalyseCoup a;
        a.Joue = coups[i];
        a.PossiblesAvant = static_cast<int>(possibles.size());
        const Code4 code = CodeDuCoup(coups[i]);
        a.Compatible = std::find(possibles.begin(), possibles.end(), code) != possibles.end();
        // Scores that no code gives leave nothing to advise.
        a.Conseil = Conseiller(coups.first(i), possibles).Coup;
        possibles = Filtrer(possibles, coups[i]);
        a.PossiblesApres = static_cast<int>(possibles.size());
        analyse.push_back(a);
    }
    return analyse;
}

int CoupsDuSolveur(const Code4& secret)
{
    if (Rang(secret) < 0)
        return 0;  // a code that repeats a colour is never hidden
    Partie partie;
    partie.CodeSecret = secret;
    while (partie.NbCoups < MaxCoups) {
        const auto conseil = ConseillerCoup(partie);
        if (conseil.Possibles == 0)
            break;
        Coup& coup = partie.Historique[++partie.NbCoups];
        coup.AffecterCode(TexteCode(conseil.Coup.Code));
        if (ScoreCoup(secret, coup) == ScoreGagnant)
            return partie.NbCoups;
    }
    return 0;
}

Conseil ConseillerCoup(const Partie& partie)
{
    const auto coups = CoupsJoues(partie);
    return Conseiller(coups, CodesPossibles(coups), partie.Difficile);
}

}  // namespace vorlinde
