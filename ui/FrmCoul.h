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

class Etiquette;

// The colour editor: a working copy of the palette, one swatch a colour
// chooser. "OK" accepts the dialog, "Annuler" and any other close reject it;
// the caller copies the colours back only when accepted.
class FrmCoul : public QDialog {
    Q_OBJECT
public:
    FrmCoul(const std::array<std::int32_t, NbCouleurs>& palette, std::shared_ptr<DialogueStandard> dialogues,
            QWidget* parent = nullptr);
    ~FrmCoul() override;

    std::int32_t Couleur(int k) const;
    void LblCoulSource_Click(int index);

    std::array<Etiquette*, NbCouleurs> LblCoulSource{};
    QPushButton* CmdOK = nullptr;
    QPushButton* CmdCancel = nullptr;

private:
    Dial dial_;
};

}  // namespace vorlinde::ui
