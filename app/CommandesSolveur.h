// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The solver on the command line: a hint for a saved game, or the analysis
// of every move. Both read the file as "Charger" does, with the same
// refusals, and write only to the terminal.
#include <QString>

#include <cstdio>

namespace vorlinde {

// Each returns the exit status: 0, or 1 when the file cannot be loaded.
int CommandeIndice(const QString& fichier, std::FILE* sortie, std::FILE* erreurs);
int CommandeAnalyse(const QString& fichier, bool json, std::FILE* sortie, std::FILE* erreurs);

}  // namespace vorlinde
