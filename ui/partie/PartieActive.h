// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

#include "game/Partie.h"
#include "game/Solveur.h"
#include "game/Statistiques.h"

namespace vorlinde::ui {

// The game in progress, and the only way to change it: every command of the
// board and of the window (a new game, a move, a cell, a colour, a swatch's
// row, a load, a profile, a hint, the palette, leaving it) goes through it,
// by the rules of game/. After each change it says once what changed, in
// two steps: first to those who keep the game on disk (AGarder), then to
// those who show it and tell it (Change). It alone says when a game ends,
// abandoned included, from which the record counts it.
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
        Commencee = 0x200,     // a game the player chose began: told by its kind
        Tiree = 0x400,         // a new game with a number drawn began
        Chargee = 0x800,       // a saved or kept game took the place of this one
        IndiceDonne = 0x1000,  // a hint was composed in the cells
        Mode = 0x2000,         // the game is now played in hard mode, or no longer
        Temps = 0x4000,        // the game's time stopped or went on
    };
    Q_DECLARE_FLAGS(Aspects, Aspect)

    // How a new game comes: the one the window opens on, which tells
    // nothing; one with a number drawn (« Nouveau »); one the player chose
    // (a number, the day's code, two players).
    enum class Depart { Ouverture, Tiree, Choisie };

    explicit PartieActive(QObject* parent = nullptr);

    const Partie& Etat() const { return partie_; }
    // The game with its time as it stands this very moment.
    Partie Instantane() const;
    // The game's time in milliseconds: it runs from the first move to the
    // end of the game, while the window is in sight.
    std::int64_t Duree() const;
    // A monotonic clock in milliseconds; the tests give one of their own.
    using Horloge = std::function<std::int64_t()>;
    void FixerHorloge(Horloge horloge);
    // The window went out of sight (minimised, hidden) or came back: the
    // game's time stops, and goes on. Stopping, the game is kept with it.
    void Suspendre(bool suspendue);
    // The cell the last colour was placed in.
    int CaseColoree() const { return caseColoree_; }
    // The last hint given, and how many codes it left possible.
    const Conseil& DernierIndice() const { return indice_; }

    // A new game hiding `code`, which came from `origine`.
    void Nouvelle(const ProfilCouleurs& profil, const Code4& code, const OriginePartie& origine,
                  Depart depart = Depart::Choisie);
    // A saved game in place of this one, played with `indices` hints; a game
    // kept on disk comes back with its kind, number and mode.
    void Charger(const PartieSauvee& sauvee, int indices = 0, const OriginePartie& origine = {}, bool difficile = false,
                 std::int64_t duree = 0);
    // Hard mode, for the games to come: each new game is played in it while
    // it is on. The game in progress takes it too while no move is played,
    // and leaves it at once when it is turned off. False when the game in
    // progress goes on without it.
    bool ChoisirModeDifficile(bool actif);
    bool ModeDifficile() const { return modeDifficile_; }
    // The composed code as « Valider le code » takes it; a refusal changes nothing.
    ResultatValidation Valider();
    void PlacerCurseur(int cellule);
    void PoserCouleur(int indexSource);
    void DeplacerRangee(int sens);
    // The solver's advice composed in the cells, the cursor back on the first.
    void DonnerIndice(const Conseil& conseil);
    void PrendreProfil(const ProfilCouleurs& profil);
    void ChangerPalette(const std::array<std::int32_t, NbCouleurs>& palette);
    // The player leaves the game without saving it (« Non » at the quit
    // question): with a move played, it ends as abandoned.
    void Abandonner();

signals:
    // Sent once per command that changed something, before Change: what the
    // game keeps on disk is there before the game is shown or told.
    void AGarder(vorlinde::ui::PartieActive::Aspects aspects);
    // Sent once per command that changed something, before its result is
    // shown to the player.
    void Change(vorlinde::ui::PartieActive::Aspects aspects);
    // Sent after the Change of the guess that won or lost; for a game
    // abandoned, before the game that replaces it is set, so that Etat() is
    // still the game that ends.
    void Finie(vorlinde::FinDePartie fin);

private:
    void Changer(Aspects aspects);
    // The time run since the clock last started goes into the game's, and
    // the clock starts again from now when the game's time runs.
    void Cumuler();
    bool TempsCourt() const;
    // The game in progress gives way to another: counted as abandoned.
    void Laisser();

    Partie partie_;
    int caseColoree_ = 0;
    Conseil indice_;
    // Already counted as abandoned: it is not counted again as it gives way.
    bool abandonnee_ = false;
    bool modeDifficile_ = false;
    Horloge horloge_;
    bool suspendue_ = false;
    // When the clock last started; -1 while the game's time does not run.
    std::int64_t depuis_ = -1;
};

}  // namespace vorlinde::ui

Q_DECLARE_OPERATORS_FOR_FLAGS(vorlinde::ui::PartieActive::Aspects)
