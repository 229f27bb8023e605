// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "BoutonCouleur.h"

namespace vorlinde::ui {

BoutonCouleur::BoutonCouleur(QWidget* parent) : Cellule<QAbstractButton>(parent) { }

void BoutonCouleur::SetCaption(const QString& texte)
{
    if (texte != text())
        setText(texte);
    emit CaptionChange();
}

// The cell looks the same whether pressed or not.
void BoutonCouleur::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    PeindreFond(peintre);
    PeindreTexte(peintre, text());
    PeindreNumero(peintre);
    PeindreMarque(peintre);
}

}  // namespace vorlinde::ui
