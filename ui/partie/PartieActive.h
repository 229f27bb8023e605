// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "game/Partie.h"
#include "game/Statistiques.h"

namespace vorlinde::ui {

// The game in progress, and the only way to change it: every command of the
// board and of the window (a new game, a move, a cell, a colour, a swatch's
// row, a load, a profile, a hint, the palette) goes through it, by the rules
// of game/. After each change it says once what changed, and it says when a
// game ends; the board repaints from that, the window keeps the game on disk
// and counts it in the record from that, and the board's voice speaks from it.
class PartieActive : public QObject {
    Q_OBJECT
public:
    enum class Aspect {
        // What the board shows.
        Cases = 0x1,        // the code cells' colours and numbers
        Curseur = 0x2,      // the cursor's cell
        Palette = 0x4,      // the swatches' colours (and so every cell's)
        Rangees = 0x8,      // the swatches' list rows
        Historique = 0x10,  // the moves played
        Issue = 0x20,       // whether the game still takes guesses
        // What happened, for those who tell it.
        CasesVidees = 0x40,    // the cells are shown empty (a new game, a profile)
        CoupJoue = 0x80,       // a guess was recorded and scored
        CouleurPosee = 0x100,  // a colour was placed in the cursor's cell
    };
    Q_DECLARE_FLAGS(Aspects, Aspect)

    explicit PartieActive(QObject* parent = nullptr);

    const Partie& Etat() const { return partie_; }
    // The cell the last colour was placed in.
    int CaseColoree() const { return caseColoree_; }

    // A new game hiding `code`, which came from `origine`.
    void Nouvelle(const ProfilCouleurs& profil, const Code4& code, const OriginePartie& origine);
    // A saved game in place of this one, played with `indices` hints; a game
    // kept on disk comes back with its kind and number.
    void Charger(const PartieSauvee& sauvee, int indices = 0, const OriginePartie& origine = {});
    // The composed code as « Valider le code » takes it; a refusal changes nothing.
    ResultatValidation Valider();
    void ChoisirCase(int index);
    void ChoisirCouleur(int indexSource);
    void DeplacerSource(int index);
    // A hint: `code` composed in the cells, the cursor back on the first.
    void ComposerIndice(const Code4& code);
    void AppliquerProfil(const ProfilCouleurs& profil);
    void ChangerPalette(const std::array<std::int32_t, NbCouleurs>& palette);

signals:
    // Sent once per command that changed something, before its result is
    // shown to the player.
    void Change(vorlinde::ui::PartieActive::Aspects aspects);
    // Sent after the Change of the guess that won or lost.
    void Finie(vorlinde::FinDePartie fin);

private:
    Partie partie_;
    int caseColoree_ = 0;
};

}  // namespace vorlinde::ui

Q_DECLARE_OPERATORS_FOR_FLAGS(vorlinde::ui::PartieActive::Aspects)
