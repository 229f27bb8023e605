// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Raisons.h"

namespace vorlinde {

std::string RaisonErreurFichier(ErreurFichier erreur)
{
    switch (erreur) {
    case ErreurFichier::Aucune:
        return {};
    case ErreurFichier::PasUnFichierOrdinaire:
        return "Ce n'est pas un fichier ordinaire, mais un dossier, un tube ou un périphérique.";
    case ErreurFichier::Illisible:
        return "Le fichier ne peut pas être lu.";
    case ErreurFichier::Ecriture:
        return "Le fichier ne peut pas être écrit.";
    case ErreurFichier::ConflitDeVersion:
        return "Le fichier a été écrit par une version plus récente.";
    case ErreurFichier::TropCourt:
        return "Le fichier est incomplet.";
    case ErreurFichier::TropDeCoups:
        return "Le fichier annonce plus de 100 coups.";
    case ErreurFichier::CouleurInvalide:
        return "Le fichier contient un numéro de couleur hors de 1 à 8.";
    case ErreurFichier::CodeSecretInvalide:
        return "Le code secret du fichier répète une couleur.";
    case ErreurFichier::CoupApresVictoire:
        return "Le fichier contient des coups joués après le coup gagnant.";
    case ErreurFichier::CoupRepete:
        return "Le fichier contient deux fois le même coup.";
    case ErreurFichier::TropPeuDeValeurs:
        return "Le fichier contient moins de neuf couleurs.";
    case ErreurFichier::ValeurInvalide:
        return "Le fichier contient une valeur qui n'est pas une couleur (un nombre entier de 0 à 16777215).";
    }
    return {};
}

std::string TexteEchec(CommandeFichier commande, const std::string& nom, ErreurFichier erreur)
{
    const std::string raison = RaisonErreurFichier(erreur);
    switch (commande) {
    case CommandeFichier::SauvegardePartie:
        return "La partie n'a pas pu être enregistrée dans le fichier « " + nom + " ». " + raison;
    case CommandeFichier::ChargementPartie:
        return "La partie du fichier « " + nom + " » ne peut pas être chargée. " + raison;
    case CommandeFichier::ChargementProfil:
        return "Le profil du fichier « " + nom + " » ne peut pas être chargé. " + raison;
    case CommandeFichier::SauvegardeProfil:
        return "Le profil n'a pas pu être enregistré dans le fichier « " + nom + " ». " + raison;
    }
    return raison;
}

}  // namespace vorlinde
