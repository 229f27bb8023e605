// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "game/Partie.h"

namespace vorlinde::ui {

// The window « Analyse de la partie »: one row a move, seen by the solver
// (the guess as swatches and digits, its score, the codes possible before
// and after it, whether it could still have been the code, the guess the
// solver would have played there), then a summary. Only a finished game
// tells how many guesses the solver needs for its code: a game in progress
// gives away nothing of the hidden code. Every cell is a label that screen
// readers read; Tab reads each move whole.
class FrmAnalyse : public QDialog {
    Q_OBJECT
public:
    FrmAnalyse(const Partie& partie, bool numeros, QWidget* parent = nullptr);
};

}  // namespace vorlinde::ui
