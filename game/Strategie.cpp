// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Strategie.h"

#include <algorithm>
#include <numeric>

#include "ScoreRapide.h"
#include "Solveur.h"
#include "StrategieDonnees.h"

namespace vorlinde {
namespace {

struct Noeud {
    int Essai = -1;
    std::array<int, NbScores> Suites{};  // the position after each score, -1 when two codes or fewer are left
};

using Classes = std::array<std::vector<int>, NbScores>;

Classes Partager(int essai, const std::vector<int>& possibles)
{
    Classes classes;
    for (const int c : possibles)
        classes[Score(Rapides()[essai], Rapides()[c])].push_back(c);
    return classes;
}

// The stored guesses name no score: the codes each guess leaves tell which
// positions follow, in the order of their scores.
int Lire(const std::vector<int>& possibles, std::size_t& suivant, std::vector<Noeud>& noeuds)
{
    const int id = static_cast<int>(noeuds.size());
    noeuds.push_back({EssaisDeLaStrategie.at(suivant++), {}});
    noeuds[id].Suites.fill(-1);
    const auto classes = Partager(noeuds[id].Essai, possibles);
    for (int k = 0; k < NbScores; ++k)
        if (k != ScoreGagne && classes[k].size() > 2) {
            const int suite = Lire(classes[k], suivant, noeuds);
            noeuds[id].Suites[k] = suite;
        }
    return id;
}

// Position p of the image takes the colour of position Positions[p], renamed.
struct Renommage {
    std::array<int, LongueurCode> Positions;
    std::array<int, NbCouleurs + 1> Couleurs;  // colours 1..8; 0 for a character that is no colour

    Code4 Appliquer(const Code4& code) const
    {
        Code4 image{};
        for (int p = 0; p < LongueurCode; ++p)
            image[p] = static_cast<std::int16_t>(code[Positions[p]] <= NbCouleurs ? Couleurs[code[Positions[p]]] : 0);
        return image;
    }
    Code4 Defaire(const Code4& image) const
    {
        Code4 code{};
        for (int p = 0; p < LongueurCode; ++p)
            code[Positions[p]] = static_cast<std::int16_t>(std::find(Couleurs.begin() + 1, Couleurs.end(), image[p])
                                                           - Couleurs.begin());
        return code;
    }
};

// Every renaming that turns the code `de` into the code `vers`: any order of
// the positions, the colours of `de` going where `vers` has them, the others
// in any order: 24 x 24 of them.
std::vector<Renommage> RenommagesVers(const Code4& de, const Code4& vers)
{
    std::vector<Renommage> renommages;
    std::array<int, LongueurCode> positions{0, 1, 2, 3};
    do {
        std::array<int, NbCouleurs + 1> couleurs{};
        for (int p = 0; p < LongueurCode; ++p)
            couleurs[de[positions[p]]] = vers[p];
        std::vector<int> autresDe;
        std::vector<int> autresVers;
        for (int c = 1; c <= NbCouleurs; ++c) {
            if (couleurs[c] == 0)
                autresDe.push_back(c);
            if (std::find(vers.begin(), vers.end(), c) == vers.end())
                autresVers.push_back(c);
        }
        do {
            for (std::size_t i = 0; i < autresDe.size(); ++i)
                couleurs[autresDe[i]] = autresVers[i];
            renommages.push_back({positions, couleurs});
        } while (std::next_permutation(autresVers.begin(), autresVers.end()));
    } while (std::next_permutation(positions.begin(), positions.end()));
    return renommages;
}

std::vector<int> TousLesRangs()
{
    std::vector<int> tous(NbCodes);
    std::iota(tous.begin(), tous.end(), 0);
    return tous;
}

const std::vector<Noeud>& Noeuds()
{
    static const std::vector<Noeud> noeuds = [] {
        std::vector<Noeud> n;
        std::size_t suivant = 0;
        Lire(TousLesRangs(), suivant, n);
        return n;
    }();
    return noeuds;
}

void Compter(const std::vector<int>& possibles, int noeud, int coup, std::vector<int>& coups)
{
    const int essai = Noeuds()[noeud].Essai;
    const auto classes = Partager(essai, possibles);
    for (int k = 0; k < NbScores; ++k) {
        const auto& classe = classes[k];
        if (k == ScoreGagne && !classe.empty())
            coups[essai] = coup;
        else if (classe.size() > 2)
            Compter(classe, Noeuds()[noeud].Suites[k], coup + 1, coups);
        else
            // One or two codes left: the first of them, then the other.
            for (std::size_t i = 0; i < classe.size(); ++i)
                coups[classe[i]] = coup + 1 + static_cast<int>(i);
    }
}

}  // namespace

int CoupDeLaStrategie(std::span<const Coup> coups)
{
    const auto& noeuds = Noeuds();
    if (coups.empty())
        return noeuds[0].Essai;
    // The game follows the strategy when some renaming of positions and
    // colours turns its moves into the strategy's guesses: every first guess
    // is the strategy's own under one, and the rest must match.
    const int premier = Rang(CodeDuCoup(coups[0]));
    if (premier < 0)
        return -1;
    std::vector<Renommage> renommages = RenommagesVers(TousLesCodes()[premier], TousLesCodes()[noeuds[0].Essai]);
    int noeud = 0;
    for (const auto& coup : coups) {
        const Code4 code = CodeDuCoup(coup);
        std::erase_if(renommages, [&](const Renommage& r) { return Rang(r.Appliquer(code)) != noeuds[noeud].Essai; });
        const int score = ScoreDuCoup(coup);
        if (renommages.empty() || score < 0 || score >= NbScores || score == ScoreGagne)
            return -1;
        noeud = noeuds[noeud].Suites[score];
        if (noeud < 0)
            return -1;
    }
    // Any of the renamings left gives a guess as good; the lowest is kept.
    int essai = NbCodes;
    for (const auto& r : renommages)
        essai = std::min(essai, Rang(r.Defaire(TousLesCodes()[noeuds[noeud].Essai])));
    return essai;
}

std::vector<int> CoupsPourChaqueCode()
{
    std::vector<int> coups(NbCodes, 0);
    Compter(TousLesRangs(), 0, 1, coups);
    return coups;
}

}  // namespace vorlinde
