// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "BoutonCouleur.h"

namespace vorlinde::ui {

BoutonCouleur::BoutonCouleur(QWidget* parent) : Cellule<QAbstractButton>(parent)
{
    // Every pixel is painted below: the cell is the same whether pressed or not.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoutonCouleur::SetCaption(const QString& texte)
{
    if (texte != text())
        setText(texte);
    emit CaptionChange();
}

void BoutonCouleur::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    peintre.fillRect(rect(), palette().color(QPalette::Window));
    if (!text().isEmpty()) {
        peintre.setPen(palette().color(QPalette::WindowText));
        peintre.drawText(rect(), Qt::AlignCenter, text());
    }
    PeindreNumero(peintre);
}

}  // namespace vorlinde::ui
