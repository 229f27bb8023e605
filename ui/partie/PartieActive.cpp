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

void PartieActive::Changer(Aspects aspects)
{
    emit AGarder(aspects);
    emit Change(aspects);
}

void PartieActive::Laisser()
{
    if (LaisseeCompteAbandonnee(partie_) && !abandonnee_)
        emit Finie(FinDePartie::Abandonnee);
    abandonnee_ = false;
}

void PartieActive::Nouvelle(const ProfilCouleurs& profil, const Code4& code, const OriginePartie& origine,
                            Depart depart)
{
    Laisser();
    NouvellePartie(partie_, profil, code, origine);
    partie_.Difficile = modeDifficile_;
    Aspects aspects = Tout | A::CasesVidees;
    if (depart == Depart::Tiree)
        aspects |= A::Tiree;
    else if (depart == Depart::Choisie)
        aspects |= A::Commencee;
    Changer(aspects);
}

void PartieActive::Charger(const PartieSauvee& sauvee, int indices, const OriginePartie& origine, bool difficile)
{
    Laisser();
    ChargerPartie(partie_, sauvee, indices, origine, difficile);
    Changer(Tout | A::Chargee);
}

bool PartieActive::ChoisirModeDifficile(bool actif)
{
    modeDifficile_ = actif;
    // Moves played freely do not make a game of hard mode.
    const bool desormais = actif && partie_.NbCoups == 0 && partie_.EnCours;
    if (partie_.Difficile != desormais) {
        partie_.Difficile = desormais;
        Changer(A::Mode);
    }
    return desormais == actif;
}

ResultatValidation PartieActive::Valider()
{
    const auto resultat = ValiderCode(partie_);
    switch (resultat) {
    case ResultatValidation::Enregistre:
        Changer(A::Historique | A::CoupJoue);
        break;
    case ResultatValidation::Gagne:
        Changer(A::Historique | A::Issue | A::CoupJoue);
        emit Finie(FinDePartie::Gagnee);
        break;
    case ResultatValidation::Perdu:
        Changer(A::Historique | A::Issue);
        emit Finie(FinDePartie::Perdue);
        break;
    default:
        break;
    }
    return resultat;
}

void PartieActive::PlacerCurseur(int cellule)
{
    ChoisirCase(partie_, cellule);
    Changer(A::Curseur);
}

void PartieActive::PoserCouleur(int indexSource)
{
    caseColoree_ = partie_.CaseCourante;
    ChoisirCouleur(partie_, indexSource);
    Changer(A::Cases | A::Curseur | A::CouleurPosee);
}

void PartieActive::DeplacerRangee(int sens)
{
    DeplacerSource(partie_, sens);
    Changer(A::Rangees);
}

void PartieActive::DonnerIndice(const Conseil& conseil)
{
    indice_ = conseil;
    ComposerIndice(partie_, conseil.Coup.Code);
    Changer(A::Cases | A::Curseur | A::IndiceDonne);
}

void PartieActive::PrendreProfil(const ProfilCouleurs& profil)
{
    AppliquerProfil(partie_, profil);
    RafraichirCouleurs(partie_);
    Changer(A::Palette | A::Cases | A::CasesVidees);
}

void PartieActive::ChangerPalette(const std::array<std::int32_t, NbCouleurs>& palette)
{
    FixerPalette(partie_, palette);
    Changer(A::Palette | A::Cases);
}

void PartieActive::Abandonner()
{
    // The board still shows it, as it stands, until the window closes.
    if (LaisseeCompteAbandonnee(partie_) && !abandonnee_)
        emit Finie(FinDePartie::Abandonnee);
    abandonnee_ = true;
}

}  // namespace vorlinde::ui
