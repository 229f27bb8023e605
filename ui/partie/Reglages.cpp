// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Reglages.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <filesystem>
#include <system_error>

namespace vorlinde::ui {
namespace {

// The program writes a few lines; a settings file is never larger than this.
constexpr qint64 TailleMaxReglages = 64 * 1024;

}  // namespace

QString FichierReglagesParDefaut()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Vorlinde/Vorlinde.conf");
}

std::shared_ptr<QSettings> OuvrirReglages(const QString& chemin)
{
    QString fichier = chemin;
    if (QFileInfo(chemin).isSymLink()) {
        // Qt takes a looping link for a path of its own: the system says.
        std::error_code ec;
        const auto cible = std::filesystem::canonical(QFile::encodeName(chemin).toStdString(), ec);
        if (ec)
            return nullptr;
        fichier = QFile::decodeName(cible.c_str());
    }
    const QFileInfo cible(fichier);
    if (cible.exists() && (!cible.isFile() || cible.size() > TailleMaxReglages))
        return nullptr;
    return std::make_shared<QSettings>(fichier, QSettings::IniFormat);
}

}  // namespace vorlinde::ui
