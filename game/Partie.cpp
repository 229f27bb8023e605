// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Partie.h"

#include <algorithm>
#include <cmath>

namespace vorlinde {

void Coup::AffecterCode(const std::string& texte)
{
    for (std::size_t i = 0; i < Code.size(); ++i)
        Code[i] = i < texte.size() ? texte[i] : ' ';
}

std::int16_t TirageCouleur(double r)
{
    // Guards against a source that returns exactly 1.0 or less than 0.
    const auto n = static_cast<int>(std::floor(r * NbCouleurs)) + 1;
    return static_cast<std::int16_t>(std::clamp(n, 1, NbCouleurs));
}

Code4 TirerCodeSecret(const SourceAleatoire& aleatoire)
{
    Code4 code{};
    code[0] = TirageCouleur(aleatoire());
    for (int p = 1; p < LongueurCode; ++p) {
        do {
            code[p] = TirageCouleur(aleatoire());
        } while (std::count(code.begin(), code.begin() + p, code[p]) != 0);
    }
    return code;
}

void DebuterNouvellePartie(Partie& partie)
{
    partie.NbCoups = 0;
    partie.CaseCourante = 0;
    partie.TopCoulSource.fill(TopsRangees[0]);
}

void EffacerHistorique(Partie& partie)
{
    for (int k = 1; k <= MaxCoups; ++k)
        partie.Historique[k] = Coup{};
}

std::int16_t ScoreCoup(const Code4& codeSecret, Coup& entree)
{
    Code4 codeEssai{};
    for (int p = 0; p < LongueurCode; ++p) {
        const char c = entree.Code[p];
        codeEssai[p] = (c >= '0' && c <= '9') ? static_cast<std::int16_t>(c - '0') : 0;
    }
    std::int16_t bien = 0;
    std::int16_t mal = 0;
    for (int i = 0; i < LongueurCode; ++i)
        for (int j = 0; j < LongueurCode; ++j)
            if (codeSecret[i] == codeEssai[j])
                ++(i == j ? bien : mal);
    entree.BiPl = bien;
    entree.MalPl = mal;
    return bien;
}

std::string TexteCode(const std::array<std::int16_t, LongueurCode>& code)
{
    std::string texte;
    for (const auto n : code)
        texte += std::to_string(n);
    return texte;
}

ResultatValidation ValiderCode(Partie& partie)
{
    const auto& cases = partie.CasesCode;
    for (const auto v : cases)
        if (v < 1 || v > NbCouleurs)
            return ResultatValidation::Incomplet;

    for (int i = 0; i < LongueurCode; ++i)
        for (int j = 0; j < LongueurCode; ++j)
            if (i != j && cases[i] == cases[j])
                return ResultatValidation::CouleurEnDouble;

    const std::string texte = TexteCode(cases);
    for (int k = 1; k <= partie.NbCoups; ++k)
        if (partie.Historique[k].TexteCode() == texte)
            return ResultatValidation::DejaJoue;

    if (partie.NbCoups >= MaxCoups) {
        partie.EnCours = false;
        return ResultatValidation::Perdu;
    }

    ++partie.NbCoups;
    Coup& entree = partie.Historique[partie.NbCoups];
    entree.AffecterCode(texte);
    if (ScoreCoup(partie.CodeSecret, entree) == ScoreGagnant) {
        partie.EnCours = false;
        return ResultatValidation::Gagne;
    }
    return ResultatValidation::Enregistre;
}

std::int16_t TopApresDeplacement(std::int16_t top, int index)
{
    const auto* rang = std::find(TopsRangees.begin(), TopsRangees.end(), top);
    if (rang == TopsRangees.end())
        return TopsRangees[0];
    const auto r = rang - TopsRangees.begin();
    const auto nouveau = index == 0 ? std::max<long>(r - 1, 0) : std::min<long>(r + 1, 3);
    return TopsRangees[static_cast<std::size_t>(nouveau)];
}

void ChoisirCase(Partie& partie, int index)
{
    partie.CaseCourante = static_cast<std::int16_t>(index);
}

void ChoisirCouleur(Partie& partie, int indexSource)
{
    partie.CasesCode[partie.CaseCourante] = static_cast<std::int16_t>(indexSource + 1);
    partie.CaseCourante = static_cast<std::int16_t>(std::min(partie.CaseCourante + 1, LongueurCode - 1));
    partie.CoulSelect = static_cast<std::int16_t>(indexSource);
}

void DeplacerSource(Partie& partie, int index)
{
    if (partie.CoulSelect < 0)
        return;
    auto& top = partie.TopCoulSource[partie.CoulSelect];
    top = TopApresDeplacement(top, index);
}

}  // namespace vorlinde
