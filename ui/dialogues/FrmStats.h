// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "game/Statistiques.h"

namespace vorlinde::ui {

class Barre;
class LibelleLu;

// The window « Statistiques »: each figure one text that Tab reaches and a
// screen reader reads whole, in the order of the columns, then the wins by number of guesses as a bar chart, whose
// bars are read one by one ("5 coups : 12 parties"). « Remettre à zéro »
// asks `remettreAZero`, which returns the figures to show next.
class FrmStats : public QDialog {
    Q_OBJECT
public:
    FrmStats(const Statistiques& figures, std::function<Statistiques()> remettreAZero, QWidget* parent = nullptr);

    void Afficher(const Statistiques& figures);

private:
    std::function<Statistiques()> remettreAZero_;
    std::array<LibelleLu*, 15> textes_{};
    std::array<Barre*, ColonnesCoups> barres_{};
};

}  // namespace vorlinde::ui
