// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <filesystem>
#include <functional>

#include "game/Partie.h"
#include "platform/PartiesEnCours.h"

namespace vorlinde::ui {

// The game in progress kept on disk, in the window's own file of the data
// folder, for the next start should the program end without the player's
// choice. A failure to keep it is told once, through `signaler`.
class PartieGardee {
public:
    PartieGardee(Repertoire enCours, std::function<void(const QString&)> signaler);

    // A game in progress with a move is written, whole and synced; any other
    // has nothing to keep, and its file goes.
    void Garder(const Partie& partie);
    // The last Garder left the game on disk, or had nothing to keep.
    bool Gardee() const { return gardee_; }
    // The player ended the game: nothing is left to offer.
    void Oublier() { enCours_.Oublier(); }
    // Why the folder cannot keep a game; none when it can.
    ErreurFichier Erreur() const { return enCours_.Erreur(); }
    // The left game becomes this window's, moved and not copied.
    bool Prendre(const PartieLaissee& laissee) { return enCours_.Prendre(laissee); }
    const PartieEnCours& EnCours() const { return enCours_; }

private:
    PartieEnCours enCours_;
    std::function<void(const QString&)> signaler_;
    bool gardee_ = false;
    bool signale_ = false;
};

}  // namespace vorlinde::ui
