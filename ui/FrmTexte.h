// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

namespace vorlinde::ui {

// A window of help: a text to read, with a caret so that a screen reader
// reads it line by line, and « Fermer » (or Escape).
class FrmTexte : public QDialog {
    Q_OBJECT
public:
    FrmTexte(const QString& titre, const QString& texte, QWidget* parent = nullptr);
};

}  // namespace vorlinde::ui
