// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Textes.h"

namespace vorlinde::textes {

std::string TextePerdu(const Code4& codeSecret)
{
    return "Vous avez perdu ! Vous avez dépasser le nombre maximum de coups possible. "
           "Le code était : "
        + TexteCode(codeSecret) + " .";
}

std::string TexteGagne(int nbCoups)
{
    return "Bravo ! Vous avez gagné ! Au bout de " + std::to_string(nbCoups) + " coup(s).";
}

}  // namespace vorlinde::textes
