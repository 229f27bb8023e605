// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The texts that the game shows the player, in UTF-8, exactly as the game has
// always worded them (misspellings included). The window turns them into
// message boxes.
#include <string>

#include "Partie.h"

namespace vorlinde::messages {

inline constexpr const char* TitreApplication = "Vorlinde";
inline constexpr const char* TitreCode = "Code";
inline constexpr const char* TitreFinDePartie = "Fin de partie";
inline constexpr const char* TitreErreur = "Erreur";
inline constexpr const char* TitreQuitter = "Quitter ?";

inline constexpr const char* CodeIncomplet = "Veuillez complèter toutes le cases code.";
inline constexpr const char* CouleurEnDouble = "Une ou plusieurs couleurs sont en double.";
inline constexpr const char* CodeDejaJoue = "Ce code est déjà existant.";
inline constexpr const char* ConflitDeVersion = "Conflit de version.";
inline constexpr const char* QuestionQuitter = "Voulez-vous enregistrer votre partie avant de quitter le Vorlinde ?";

std::string TextePerdu(const Code4& codeSecret);
std::string TexteGagne(int nbCoups);

}  // namespace vorlinde::messages
