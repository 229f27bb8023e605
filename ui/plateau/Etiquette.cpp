// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Etiquette.h"

#include <QPaintEvent>

#include "accessibilite/Accessibilite.h"

namespace vorlinde::ui {

Etiquette::Etiquette(QWidget* parent) : Cellule<QLabel>(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    LuParSonNom(this, QAccessible::StaticText);
}

void Etiquette::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    PeindreFond(peintre);
    PeindreTexte(peintre, text());
    PeindreNumero(peintre);
}

}  // namespace vorlinde::ui
