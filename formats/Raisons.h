// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// What can go wrong with a saved game or a colour profile on disk, and the
// French sentences that tell the player, in the window as on the command line.
#include <string>

namespace vorlinde {

enum class ErreurFichier {
    Aucune,
    PasUnFichierOrdinaire,  // a folder, a named pipe, a socket or a device
    Illisible,              // the file cannot be opened or read
    Ecriture,               // the file cannot be created or written
    // Saved games
    ConflitDeVersion,    // version byte above 1
    TropCourt,           // fewer bytes than the move count calls for
    TropDeCoups,         // move count above 100
    CouleurInvalide,     // a colour number outside 1..8
    CodeSecretInvalide,  // the hidden code repeats a colour
    CoupApresVictoire,   // a move follows the winning move
    CoupRepete,          // the same move twice
    // Colour profiles
    TropPeuDeValeurs,  // fewer than nine fields
    ValeurInvalide,    // a field that is not a whole number from 0 to 16777215
};

// A short French explanation of a refusal, for the player.
std::string RaisonErreurFichier(ErreurFichier erreur);

// The four things the player does with files.
enum class CommandeFichier { SauvegardePartie, ChargementPartie, ChargementProfil, SauvegardeProfil };

// What the player is told when `commande` fails on the file `nom` (UTF-8, as
// the player reads it): the file's name and why.
std::string TexteEchec(CommandeFichier commande, const std::string& nom, ErreurFichier erreur);

}  // namespace vorlinde
