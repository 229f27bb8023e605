// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// What can go wrong with one of the program's files on disk: the system's
// refusals, and the layouts' own.
namespace vorlinde {

enum class ErreurFichier {
    Aucune,
    PasUnFichierOrdinaire,  // a folder, a named pipe, a socket or a device
    Illisible,              // the file cannot be opened or read
    Ecriture,               // the file cannot be created or written
    Etranger,               // it belongs to another user: never written through
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

}  // namespace vorlinde
