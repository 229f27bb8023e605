// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>

#include "Cellule.h"

namespace vorlinde::ui {

// A cell that the player presses: a palette swatch or a code cell. It is a
// button (clicks, keys when focused, the screen reader's press action) that
// paints itself as a flat cell of its colour value, with its caption in its
// text colour and its colour number over it.
class BoutonCouleur : public Cellule<QAbstractButton> {
    Q_OBJECT
public:
    explicit BoutonCouleur(QWidget* parent = nullptr);

    // Assigning the caption always raises CaptionChange, even with the same text.
    void SetCaption(const QString& texte);

signals:
    void CaptionChange();

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorlinde::ui
