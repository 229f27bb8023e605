// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include "textes/Textes.h"

namespace vorlinde::ui {

// A text of the catalogue (textes/) as Qt shows it.
inline QString Utf8(const char* texte)
{
    return QString::fromUtf8(texte);
}

inline QString Utf8(const std::string& texte)
{
    return QString::fromStdString(texte);
}

}  // namespace vorlinde::ui
