// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <memory>

#include "Dial.h"
#include "game/Partie.h"

class QPushButton;

namespace vorlinde::ui {

class BoutonCouleur;

// The colour editor: a working copy of the palette, one swatch a colour
// chooser. "OK" accepts the dialog, "Annuler" and any other close reject it;
// the caller copies the colours back only when accepted. Its controls are
// named "LblCoulSource0".."LblCoulSource7", "CmdOK" and "CmdCancel".
// Without a mouse: Tab reaches the swatches, Left and Right move along them,
// Space or Return opens the chooser, Return presses the focused button; each
// swatch is named for screen readers by its number and colour ("Couleur 3 :
// rouge"), and marked once the keys are used, until the next click.
class FrmCoul : public QDialog {
    Q_OBJECT
public:
    FrmCoul(const std::array<std::int32_t, NbCouleurs>& palette, std::shared_ptr<DialogueStandard> dialogues,
            QWidget* parent = nullptr);
    ~FrmCoul() override;

    // The working copy, as edited so far.
    const std::array<std::int32_t, NbCouleurs>& Palette() const { return palette_; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void LblCoulSource_Click(int index);
    void NommerSource(int index);
    void PeindreMarques();

    std::array<std::int32_t, NbCouleurs> palette_;
    std::array<BoutonCouleur*, NbCouleurs> LblCoulSource{};
    Dial dial_;
    bool clavier_ = false;
};

}  // namespace vorlinde::ui
