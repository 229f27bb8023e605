// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Twips.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>

namespace vorlinde::ui {
namespace {

double echelle = 1;

}  // namespace

double Echelle()
{
    return echelle;
}

void FixerEchelle(double nouvelle)
{
    echelle = nouvelle;
}

double EchellePour(const QFont& police, std::initializer_list<QString> textes)
{
    // The font of a Qt program that no desktop theme sets: the board's own.
    const QFontMetricsF dessin(QFont(QStringLiteral("Sans Serif"), 9));
    const QFontMetricsF bureau(police);
    double besoin = bureau.height() / dessin.height();
    for (const auto& texte : textes)
        besoin = std::max(besoin, bureau.horizontalAdvance(texte) / dessin.horizontalAdvance(texte));
    return std::max(besoin, 1.0);
}

}  // namespace vorlinde::ui
