// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace vorlinde::Module1 {

// The login name of the effective user from the password database, else the
// login name of the terminal, else "default". A name that cannot serve as a
// file name (empty, ".", "..", or containing "/") also gives "default".
std::string LireNomUser();

// The rule above applied to a name obtained elsewhere.
std::string NomUserValide(const std::string& nom);

}  // namespace vorlinde::Module1
