// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Module1.h"

#include <array>

#include <unistd.h>

#include "Utilisateur.h"

namespace vorlinde::Module1 {

std::string NomUserValide(const std::string& nom)
{
    if (nom.empty() || nom == "." || nom == ".." || nom.find('/') != std::string::npos
        || nom.find('\0') != std::string::npos)
        return "default";
    return nom;
}

std::string LireNomUser()
{
    if (const auto entree = LireEntreeUtilisateur(); !entree.Nom.empty())
        return NomUserValide(entree.Nom);

    std::array<char, 256> nom{};
    if (::getlogin_r(nom.data(), nom.size()) == 0)
        return NomUserValide(nom.data());
    return "default";
}

}  // namespace vorlinde::Module1
