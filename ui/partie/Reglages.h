// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace vorlinde::ui {

// Where the player's preferences live: `$XDG_CONFIG_HOME/Vorlinde/Vorlinde.conf`.
QString FichierReglagesParDefaut();

// The preferences in the file `chemin`, or nothing when that file cannot be
// used without harm: a link that leads nowhere or loops (left alone, never
// replaced), something that is not a file, or a file larger than any the
// program writes (never read whole). A link to a file is written through.
std::shared_ptr<QSettings> OuvrirReglages(const QString& chemin);

}  // namespace vorlinde::ui
