// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Raisons.h"

#include "textes/Textes.h"

namespace vorlinde {

std::string RaisonErreurFichier(ErreurFichier erreur)
{
    switch (erreur) {
    case ErreurFichier::Aucune:
        return {};
    case ErreurFichier::PasUnFichierOrdinaire:
        return textes::RaisonPasUnFichier;
    case ErreurFichier::Illisible:
        return textes::RaisonIllisible;
    case ErreurFichier::Ecriture:
        return textes::RaisonEcriture;
    case ErreurFichier::Etranger:
        return textes::RaisonEtranger;
    case ErreurFichier::ConflitDeVersion:
        return textes::RaisonPlusRecent;
    case ErreurFichier::TropCourt:
        return textes::RaisonTropCourt;
    case ErreurFichier::TropDeCoups:
        return textes::RaisonTropDeCoups;
    case ErreurFichier::CouleurInvalide:
        return textes::RaisonCouleurInvalide;
    case ErreurFichier::CodeSecretInvalide:
        return textes::RaisonCodeSecretInvalide;
    case ErreurFichier::CoupApresVictoire:
        return textes::RaisonCoupApresVictoire;
    case ErreurFichier::CoupRepete:
        return textes::RaisonCoupRepete;
    case ErreurFichier::TropPeuDeValeurs:
        return textes::RaisonTropPeuDeValeurs;
    case ErreurFichier::ValeurInvalide:
        return textes::RaisonValeurInvalide;
    }
    return {};
}

std::string TexteEchec(CommandeFichier commande, const std::string& nom, ErreurFichier erreur)
{
    const char* quoi = nullptr;
    switch (commande) {
    case CommandeFichier::SauvegardePartie:
        quoi = textes::EchecSauvegardePartie;
        break;
    case CommandeFichier::ChargementPartie:
        quoi = textes::EchecChargementPartie;
        break;
    case CommandeFichier::ChargementProfil:
        quoi = textes::EchecChargementProfil;
        break;
    case CommandeFichier::SauvegardeProfil:
        quoi = textes::EchecSauvegardeProfil;
        break;
    }
    std::string texte = quoi != nullptr ? quoi : "";
    if (const auto place = texte.find("%1"); place != std::string::npos)
        texte.replace(place, 2, nom);
    return texte + RaisonErreurFichier(erreur);
}

}  // namespace vorlinde
