// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The program's version, the build's project version: the one number that the
// window title, --version, the manual page and the package all show.
namespace vorlinde {

inline constexpr const char* VersionProgramme = VORLINDE_VERSION;

}  // namespace vorlinde
