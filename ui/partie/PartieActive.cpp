// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartieActive.h"

namespace vorlinde::ui {

using A = PartieActive::Aspect;

namespace {

// Everything the board shows.
constexpr PartieActive::Aspects Tout = A::Cases | A::Curseur | A::Palette | A::Rangees | A::Historique | A::Issue;

}  // namespace

PartieActive::PartieActive(QObject* parent) : QObject(parent) { }

void PartieActive::Nouvelle(const ProfilCouleurs& profil, const Code4& code, const OriginePartie& origine)
{
    NouvellePartie(partie_, profil, code, origine);
    emit Change(Tout | A::CasesVidees);
}

void PartieActive::Charger(const PartieSauvee& sauvee, int indices, const OriginePartie& origine)
{
    ChargerPartie(partie_, sauvee);
    partie_.IndicesUtilises = static_cast<std::int16_t>(indices);
    partie_.Origine = origine;
    emit Change(Tout);
}

ResultatValidation PartieActive::Valider()
{
    const auto resultat = ValiderCode(partie_);
    switch (resultat) {
    case ResultatValidation::Enregistre:
        emit Change(A::Historique | A::CoupJoue);
        break;
    case ResultatValidation::Gagne:
        emit Change(A::Historique | A::Issue | A::CoupJoue);
        emit Finie(FinDePartie::Gagnee);
        break;
    case ResultatValidation::Perdu:
        emit Change(A::Historique | A::Issue);
        emit Finie(FinDePartie::Perdue);
        break;
    default:
        break;
    }
    return resultat;
}

void PartieActive::ChoisirCase(int index)
{
    vorlinde::ChoisirCase(partie_, index);
    emit Change(A::Curseur);
}

void PartieActive::ChoisirCouleur(int indexSource)
{
    caseColoree_ = partie_.CaseCourante;
    vorlinde::ChoisirCouleur(partie_, indexSource);
    emit Change(A::Cases | A::Curseur | A::CouleurPosee);
}

void PartieActive::DeplacerSource(int index)
{
    vorlinde::DeplacerSource(partie_, index);
    emit Change(A::Rangees);
}

void PartieActive::ComposerIndice(const Code4& code)
{
    ++partie_.IndicesUtilises;
    for (int k = 0; k < LongueurCode; ++k) {
        vorlinde::ChoisirCase(partie_, k);
        vorlinde::ChoisirCouleur(partie_, code[k] - 1);
    }
    vorlinde::ChoisirCase(partie_, 0);
    emit Change(A::Cases | A::Curseur);
}

void PartieActive::AppliquerProfil(const ProfilCouleurs& profil)
{
    vorlinde::AppliquerProfil(partie_, profil);
    vorlinde::RafraichirCouleurs(partie_);
    emit Change(A::Palette | A::Cases | A::CasesVidees);
}

void PartieActive::ChangerPalette(const std::array<std::int32_t, NbCouleurs>& palette)
{
    partie_.Palette = palette;
    vorlinde::RafraichirCouleurs(partie_);
    emit Change(A::Palette | A::Cases);
}

}  // namespace vorlinde::ui
