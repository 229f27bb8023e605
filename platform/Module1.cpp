// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Module1.h"

#include <array>
#include <vector>

#include <pwd.h>
#include <unistd.h>

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
    std::vector<char> tampon(16384);
    passwd entree{};
    passwd* resultat = nullptr;
    if (::getpwuid_r(::geteuid(), &entree, tampon.data(), tampon.size(), &resultat) == 0 && resultat != nullptr
        && resultat->pw_name != nullptr && resultat->pw_name[0] != '\0')
        return NomUserValide(resultat->pw_name);

    std::array<char, 256> nom{};
    if (::getlogin_r(nom.data(), nom.size()) == 0)
        return NomUserValide(nom.data());
    return "default";
}

}  // namespace vorlinde::Module1
