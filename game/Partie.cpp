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

namespace {

void EffacerHistoriqueDepuis(Partie& partie, int premier)
{
    for (int k = premier; k <= MaxCoups; ++k)
        partie.Historique[k] = Coup{};
}

}  // namespace

void NouvellePartie(Partie& partie, const ProfilCouleurs& profil, const SourceAleatoire& aleatoire)
{
    NouvellePartie(partie, profil, TirerCodeSecret(aleatoire), {});
}

void NouvellePartie(Partie& partie, const ProfilCouleurs& profil, const Code4& codeSecret, const OriginePartie& origine)
{
    partie.NbCoups = 0;
    partie.CaseCourante = 0;
    partie.RangeeCoulSource.fill(0);
    AppliquerProfil(partie, profil);
    partie.CodeSecret = codeSecret;
    EffacerHistoriqueDepuis(partie, 1);
    partie.EnCours = true;
    partie.IndicesUtilises = 0;
    partie.Origine = origine;
    partie.Duree = 0;
}

void AppliquerProfil(Partie& partie, const ProfilCouleurs& profil)
{
    std::copy_n(profil.begin(), NbCouleurs, partie.Palette.begin());
    partie.CouleursCases.fill(profil[NbCouleurs]);
}

ProfilCouleurs CollecterProfil(const Partie& partie)
{
    ProfilCouleurs profil{};
    std::copy(partie.Palette.begin(), partie.Palette.end(), profil.begin());
    profil[NbCouleurs] = partie.CouleursCases[0];
    return profil;
}

void RafraichirCouleurs(Partie& partie)
{
    for (int k = 0; k < LongueurCode; ++k)
        if (const int t = partie.CasesCode[k]; t > 0)
            partie.CouleursCases[k] = partie.Palette[t - 1];
}

void FixerPalette(Partie& partie, const std::array<std::int32_t, NbCouleurs>& palette)
{
    partie.Palette = palette;
    RafraichirCouleurs(partie);
}

namespace {

bool DernierCoupGagnant(const Partie& partie)
{
    return partie.NbCoups > 0 && partie.Historique[partie.NbCoups].BiPl == ScoreGagnant;
}

}  // namespace

IssuePartie Issue(const Partie& partie)
{
    if (DernierCoupGagnant(partie))
        return IssuePartie::Gagnee;
    if (!partie.EnCours || partie.NbCoups >= MaxCoups)
        return IssuePartie::Perdue;
    return IssuePartie::EnCours;
}

void ChargerPartie(Partie& partie, const PartieSauvee& sauvee, int indices, const OriginePartie& origine,
                   bool difficile, std::int64_t duree)
{
    ChargerPartie(partie, sauvee);
    partie.IndicesUtilises = static_cast<std::int16_t>(indices);
    partie.Origine = origine;
    partie.Difficile = difficile;
    partie.Duree = std::max<std::int64_t>(duree, 0);
}

void ChargerPartie(Partie& partie, const PartieSauvee& sauvee)
{
    partie.CodeSecret = sauvee.CodeSecret;
    partie.NbCoups = static_cast<std::int16_t>(sauvee.Coups.size());
    partie.IndicesUtilises = 0;
    partie.Origine = {};
    partie.Difficile = false;
    partie.Duree = 0;
    for (int k = 1; k <= partie.NbCoups; ++k) {
        partie.Historique[k].Code = sauvee.Coups[k - 1];
        ScoreCoup(partie.CodeSecret, partie.Historique[k]);
    }
    EffacerHistoriqueDepuis(partie, partie.NbCoups + 1);
    partie.RangeeCoulSource = sauvee.RangeeCoulSource;
    // Only a won game is over once loaded: after 100 moves the next guess shows the loss.
    partie.EnCours = !DernierCoupGagnant(partie);

    for (int i = 0; i < LongueurCode; ++i) {
        const int c = partie.NbCoups > 0 ? partie.Historique[partie.NbCoups].Code[i] - '0' : 0;
        partie.CasesCode[i] = static_cast<std::int16_t>(c);
        // A cell without a number keeps the colour it shows.
        if (c >= 1)
            partie.CouleursCases[i] = partie.Palette[c - 1];
    }
}

PartieSauvee SauverPartie(const Partie& partie)
{
    PartieSauvee sauvee;
    sauvee.CodeSecret = partie.CodeSecret;
    for (int k = 1; k <= partie.NbCoups; ++k)
        sauvee.Coups.push_back(partie.Historique[k].Code);
    sauvee.RangeeCoulSource = partie.RangeeCoulSource;
    return sauvee;
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

std::string TexteCode(const Code4& code)
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
    Coup avecLui;
    if (partie.Difficile && CoupQuiExclut(partie, cases, avecLui) != 0)
        return ResultatValidation::Incompatible;

    ++partie.NbCoups;
    Coup& entree = partie.Historique[partie.NbCoups];
    entree.AffecterCode(texte);
    ScoreCoup(partie.CodeSecret, entree);
    if (DernierCoupGagnant(partie)) {
        partie.EnCours = false;
        return ResultatValidation::Gagne;
    }
    return ResultatValidation::Enregistre;
}

int CoupQuiExclut(const Partie& partie, const Code4& code, Coup& avecLui)
{
    const auto coups = CoupsJoues(partie);
    for (std::size_t k = 0; k < coups.size(); ++k) {
        avecLui = coups[k];
        ScoreCoup(code, avecLui);
        if (avecLui.BiPl != coups[k].BiPl || avecLui.MalPl != coups[k].MalPl)
            return static_cast<int>(k) + 1;
    }
    return 0;
}

std::int16_t RangeeApresDeplacement(std::int16_t rangee, int index)
{
    const int nouvelle = index == 0 ? rangee - 1 : rangee + 1;
    return static_cast<std::int16_t>(std::clamp(nouvelle, 0, NbRangees - 1));
}

void ChoisirCase(Partie& partie, int index)
{
    partie.CaseCourante = static_cast<std::int16_t>(index);
}

void ChoisirCouleur(Partie& partie, int indexSource)
{
    const int cellule = partie.CaseCourante;
    partie.CouleursCases[cellule] = partie.Palette[indexSource];
    partie.CasesCode[cellule] = static_cast<std::int16_t>(indexSource + 1);
    partie.CaseCourante = static_cast<std::int16_t>(std::min(cellule + 1, LongueurCode - 1));
    partie.CoulSelect = static_cast<std::int16_t>(indexSource);
}

void DeplacerSource(Partie& partie, int index)
{
    if (partie.CoulSelect < 0)
        return;
    auto& rangee = partie.RangeeCoulSource[partie.CoulSelect];
    rangee = RangeeApresDeplacement(rangee, index);
}

void ComposerIndice(Partie& partie, const Code4& code)
{
    ++partie.IndicesUtilises;
    for (int k = 0; k < LongueurCode; ++k) {
        ChoisirCase(partie, k);
        ChoisirCouleur(partie, code[k] - 1);
    }
    ChoisirCase(partie, 0);
}

bool LaisseeCompteAbandonnee(const Partie& partie)
{
    return partie.NbCoups >= 1 && partie.EnCours;
}

}  // namespace vorlinde
