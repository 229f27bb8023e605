// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "Cellule.h"

namespace vorlinde::ui {

// An opaque, borderless label in colour values, as the history's cells and
// counters are: screen readers read it by its own name only, never by the
// title of the frame around it, and pass it by when it has none.
class Etiquette : public Cellule<QLabel> {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace vorlinde::ui
