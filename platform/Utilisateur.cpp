// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Utilisateur.h"

#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace vorlinde {

EntreeUtilisateur LireEntreeUtilisateur()
{
    std::vector<char> tampon(16384);
    passwd entree{};
    passwd* resultat = nullptr;
    if (::getpwuid_r(::geteuid(), &entree, tampon.data(), tampon.size(), &resultat) != 0 || resultat == nullptr)
        return {};
    return {resultat->pw_name ? resultat->pw_name : "", resultat->pw_dir ? resultat->pw_dir : ""};
}

}  // namespace vorlinde
