// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QList>

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <vector>

#include "game/Partie.h"
#include "game/Sortes.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

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
        // What it keeps besides its moves: its kind, mode and time.
        SorteGardee Sorte{};
    };
    // The games read from the next ones offered, at most `nombre`; `Fini`
    // once none is left to read.
    struct Lot {
        std::vector<Partie> Parties;
        bool Fini = true;
    };
    struct Sources {
        std::function<Lot(std::size_t nombre)> Lire;
        // The sentence that names the games set aside as unreadable so far.
        std::function<QString()> MisesDeCote;
        // Deletes a game's file; with `durable`, synced at once, otherwise by
        // Synchroniser, once for a batch.
        std::function<void(const Partie&, bool durable)> Supprimer;
        std::function<void()> Synchroniser;
        // Asks before this many games are deleted.
        std::function<bool(int)> ConfirmerTout;
    };
    // `premieres` are shown at once; the rest are read a few dozen at a
    // time while the window is open, so that it opens as fast with
    // thousands of games as with one.
    FrmReprise(Lot premieres, Sources sources, const std::array<std::int32_t, NbCouleurs>& palette,
               QWidget* parent = nullptr);

    // The game to take back once exec() returned Accepted.
    const Partie& Choisie() const;

private:
    void Ajouter(const Lot& lot);
    void LireLaSuite();
    void Supprimer();
    void ToutSupprimer();
    // One step of « Tout supprimer », a few dozen milliseconds long: the
    // window keeps answering, and a signal to end is honoured at once.
    void PasSuivant();

    enum class Phase { Aucune, Lecture, Suppression };

    std::vector<Partie> parties_;
    Sources sources_;
    std::array<std::int32_t, NbCouleurs> palette_;
    bool fini_ = true;
    QListWidget* liste_ = nullptr;
    QLabel* misesDeCote_ = nullptr;
    QProgressBar* progression_ = nullptr;
    QList<QPushButton*> boutons_;
    Phase phase_ = Phase::Aucune;
    std::size_t supprimees_ = 0;
    QElapsedTimer duree_;
};

}  // namespace vorlinde::ui
