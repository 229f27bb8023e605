// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The French sentences that tell the player what went wrong with a saved
// game or a colour profile, in the window as on the command line.
#include <string>

#include "platform/ErreurFichier.h"

namespace vorlinde {

// A short French explanation of a refusal, for the player.
std::string RaisonErreurFichier(ErreurFichier erreur);

// The four things the player does with files.
enum class CommandeFichier { SauvegardePartie, ChargementPartie, ChargementProfil, SauvegardeProfil };

// What the player is told when `commande` fails on the file `nom` (UTF-8, as
// the player reads it): the file's name and why.
std::string TexteEchec(CommandeFichier commande, const std::string& nom, ErreurFichier erreur);

}  // namespace vorlinde
