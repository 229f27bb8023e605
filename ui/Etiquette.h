// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "Cellule.h"

class QScrollBar;

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

// A text for the eyes only: what it shows is said elsewhere, and screen
// readers pass it by.
class LibelleVu : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A text that Tab reaches and screen readers read on its own, by its name,
// once: not again among the texts of the window as it opens.
class LibelleLu : public QLabel {
    Q_OBJECT
public:
    explicit LibelleLu(const QString& texte, QWidget* parent = nullptr) : QLabel(parent)
    {
        setFocusPolicy(Qt::TabFocus);
        Ecrire(texte);
    }

    void Ecrire(const QString& texte)
    {
        setText(texte);
        setAccessibleName(texte);
    }
};

// Lets screen readers read the board's labels by their own names, and the
// history's scroll bar by the moves it shows. Called once, before the first
// window is shown.
void InstallerAccessibilite();

// For screen readers that read nothing but the focus: the history's scroll
// bar says the moves it now shows, and keeps the focus.
void DireLaPosition(QScrollBar* barre);

}  // namespace vorlinde::ui
