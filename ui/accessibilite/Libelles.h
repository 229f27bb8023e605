// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

#include "Accessibilite.h"

namespace vorlinde::ui {

// A text for the eyes only: what it shows is said elsewhere, and screen
// readers pass it by.
class LibelleVu : public QLabel {
    Q_OBJECT
public:
    explicit LibelleVu(const QString& texte = {}, QWidget* parent = nullptr) : QLabel(texte, parent)
    {
        LuParSonNom(this, QAccessible::StaticText);
    }
};

// A text that Tab reaches and screen readers read on its own, by its name,
// once: not again among the texts of the window as it opens.
class LibelleLu : public QLabel {
    Q_OBJECT
public:
    explicit LibelleLu(const QString& texte, QWidget* parent = nullptr) : QLabel(parent)
    {
        setFocusPolicy(Qt::TabFocus);
        LuParSonNom(this, QAccessible::Client);
        Ecrire(texte);
    }

    void Ecrire(const QString& texte)
    {
        setText(texte);
        setAccessibleName(texte);
    }
};

}  // namespace vorlinde::ui
