// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The solver on the command line: a hint for a saved game, or the analysis
// of every move. Both read the file as "Charger" does, with the same
// refusals, and write only to the terminal.
#include <cstdio>
#include <filesystem>

namespace vorlinde {

// Each returns the exit status: 0, or 1 when the file cannot be loaded. The
// path keeps the name's bytes as the command line gave them.
int CommandeIndice(const std::filesystem::path& fichier, std::FILE* sortie, std::FILE* erreurs);
int CommandeAnalyse(const std::filesystem::path& fichier, bool json, std::FILE* sortie, std::FILE* erreurs);

}  // namespace vorlinde
