// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QLayout>

#include <array>
#include <memory>

#include "game/Partie.h"

namespace vorlinde::ui {

class BoiteMessage;
class BoutonCouleur;

// « Partie à deux »: the first player composes the code the second will
// look for, with the board's clicks (a swatch fills the cursor's cell, a
// cell takes the cursor) and keys (digits 1 to 8, Left and Right, Home and
// End, Return to confirm, Escape to give up). Screen readers hear the window
// and its instructions, never a colour: the cells are named by their place
// alone.
class FrmADeux : public QDialog {
    Q_OBJECT
public:
    FrmADeux(const std::array<std::int32_t, NbCouleurs>& palette, std::int32_t couleurVide, bool numeros,
             std::shared_ptr<BoiteMessage> boites, QWidget* parent = nullptr);

    // The code composed, once the window was accepted.
    const Code4& Code() const { return code_; }

    void accept() override;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    // The four cells of the code, `cote` pixels wide, and the eight colours.
    QWidget* ConstruireRangee(int cote);
    QLayout* ConstruireSources(int cote);
    void Poser(int couleur);
    void Aller(int cellule);
    void Peindre();

    std::array<std::int32_t, NbCouleurs> palette_;
    std::int32_t couleurVide_;
    bool numeros_;
    std::shared_ptr<BoiteMessage> boites_;
    Code4 code_{0, 0, 0, 0};
    int curseur_ = 0;
    QWidget* rangee_ = nullptr;
    std::array<BoutonCouleur*, LongueurCode> cases_{};
};

}  // namespace vorlinde::ui
