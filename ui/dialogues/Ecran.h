// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollArea>
#include <QSize>

class QWidget;

namespace vorlinde::ui {

// The room a window may take on the screen it opens on (its parent's, or the
// first one's): the screen's available geometry, less the frame that the
// window manager draws around the parent, or around any window before one
// is known.
QSize Place(const QWidget* fenetre);

// Gives a window the size its content asks for, capped to Place(): where the
// content is larger, it scrolls inside the window. The window's content must
// therefore be able to shrink that far (a Defilement, a list, a text view);
// a scroll bar that the cap brings is added to the other side, so that a
// window made shorter than its content does not scroll sideways too.
void TaillerSelonEcran(QWidget* fenetre);

// A borderless scroll area that asks for its content's whole size, and
// scrolls it only where the window is smaller.
class Defilement : public QScrollArea {
    Q_OBJECT
public:
    explicit Defilement(QWidget* contenu, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace vorlinde::ui
