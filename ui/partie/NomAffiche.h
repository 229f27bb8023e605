// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <filesystem>

namespace vorlinde::ui {

// A file's name as the player reads it in a message.
inline QString NomAffiche(const std::filesystem::path& chemin)
{
    return QDir::toNativeSeparators(QFile::decodeName(chemin.c_str()));
}

}  // namespace vorlinde::ui
