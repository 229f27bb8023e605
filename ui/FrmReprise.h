// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

#include "game/Partie.h"

class QListWidget;

namespace vorlinde::ui {

// The games that windows left when they ended, offered at start in one
// window, newest first: each with its date, its number of moves and a
// picture of its last move. « Reprendre » (Return) takes the selected one
// back; « Supprimer » deletes it and « Tout supprimer » all of them, the
// window staying open while any is left; « Plus tard » (Escape, or closing
// the window) leaves them all for the next start.
class FrmReprise : public QDialog {
    Q_OBJECT
public:
    struct Partie {
        std::filesystem::path Chemin;
        std::time_t Date = 0;
        int Coups = 0;
        // The colours of the last move, 0 for none.
        std::array<int, LongueurCode> Dernier{};
        int Indices = 0;
    };
    // `supprimer` deletes a game's file; `confirmerTout` asks before all
    // are deleted. `misesDeCote`, when not empty, is the sentence that
    // names the games that could not be read and were set aside.
    FrmReprise(std::vector<Partie> parties, const std::array<std::int32_t, NbCouleurs>& palette,
               const QString& misesDeCote, std::function<void(const Partie&)> supprimer,
               std::function<bool(int)> confirmerTout, QWidget* parent = nullptr);

    // The game to take back once exec() returned Accepted.
    const Partie& Choisie() const;

private:
    void Supprimer();
    void ToutSupprimer();

    std::vector<Partie> parties_;
    std::function<void(const Partie&)> supprimer_;
    std::function<bool(int)> confirmerTout_;
    QListWidget* liste_ = nullptr;
};

}  // namespace vorlinde::ui
