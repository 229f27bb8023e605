// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vorlinde {

// The effective user's entry in the password database; empty texts when it
// has none.
struct EntreeUtilisateur {
    std::string Nom;
    std::string Dossier;
};

EntreeUtilisateur LireEntreeUtilisateur();

}  // namespace vorlinde
