// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The state of the board and the rules that change it. The game in progress
// of the windows changes it through the functions below, and only there; the
// board shows it.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "Couleurs.h"

namespace vorlinde {

inline constexpr int LongueurCode = 4;
inline constexpr int NbCouleurs = 8;
inline constexpr int MaxCoups = 100;
inline constexpr int ScoreGagnant = 4;
// The list rows of the palette frame, numbered 0 (top) to 3.
inline constexpr int NbRangees = 4;

// One recorded move. `Code` is a fixed four-character text: the colour numbers
// of cells 0..3 as digits, or four blanks in a cleared entry.
struct Coup {
    std::array<char, LongueurCode> Code{' ', ' ', ' ', ' '};
    std::int16_t BiPl = 0;
    std::int16_t MalPl = 0;

    std::string TexteCode() const { return {Code.begin(), Code.end()}; }
    // Shorter text is padded with blanks, longer text cut, as a fixed-length field.
    void AffecterCode(const std::string& texte);

    bool operator==(const Coup&) const = default;
};

// A hidden code or a guess: the colour numbers of positions 1..4 at indices 0..3.
using Code4 = std::array<std::int16_t, LongueurCode>;

// Returns a uniform value in [0, 1); the caller owns the seeding.
using SourceAleatoire = std::function<double()>;

// Where a game's hidden code came from. A saved game does not hold it: a
// game loaded from one is of the first kind.
enum class SortePartie : std::uint8_t {
    Chargee,    // loaded from a saved game: no number
    Numerotee,  // drawn from its number, 1 to NumeroMax
    DuJour,     // the day's code: its number is the date, as yyyymmdd
    ADeux,      // composed by the first of two players: no number, not in the record
};
struct OriginePartie {
    SortePartie Sorte = SortePartie::Chargee;
    std::int32_t Numero = 0;

    bool operator==(const OriginePartie&) const = default;
};

// What a saved game holds: the hidden code, the moves as digit characters,
// and the list row of each swatch.
struct PartieSauvee {
    Code4 CodeSecret{};
    std::vector<std::array<char, LongueurCode>> Coups;
    std::array<std::int16_t, NbCouleurs> RangeeCoulSource{};

    bool operator==(const PartieSauvee&) const = default;
};

// The whole state of the board. Owned by the game in progress of the windows;
// the widgets are painted from it and never read back.
struct Partie {
    Code4 CodeSecret{1, 2, 3, 4};
    std::array<Coup, MaxCoups + 1> Historique{};  // entry 0 is never used
    std::int16_t NbCoups = 0;
    // The composed code: colour number of each code cell, 0 when empty.
    Code4 CasesCode{0, 0, 0, 0};
    // True while the game accepts guesses (the "Valider le code" button is enabled).
    bool EnCours = true;
    std::int16_t CaseCourante = 0;
    // The swatch clicked last, -1 before the first click.
    std::int16_t CoulSelect = -1;
    std::array<std::int16_t, NbCouleurs> RangeeCoulSource{};
    // The colours of the palette swatches, and the colour each code cell
    // shows: the colour of its number when it was chosen or repainted, or the
    // empty-cell colour of the profile (a new game shows every cell empty
    // while it keeps its number).
    std::array<std::int32_t, NbCouleurs> Palette{ProfilParDefaut[0], ProfilParDefaut[1], ProfilParDefaut[2],
                                                 ProfilParDefaut[3], ProfilParDefaut[4], ProfilParDefaut[5],
                                                 ProfilParDefaut[6], ProfilParDefaut[7]};
    std::array<std::int32_t, LongueurCode> CouleursCases{ProfilParDefaut[8], ProfilParDefaut[8], ProfilParDefaut[8],
                                                         ProfilParDefaut[8]};
    // The hints asked for in this game, kept in memory only.
    std::int16_t IndicesUtilises = 0;
    OriginePartie Origine{};
    // Played in hard mode: each guess must fit every move played before it.
    // A saved game does not hold it; a game kept on disk does.
    bool Difficile = false;
    // The time played, in milliseconds: from the first move to the end,
    // without the pauses, which the window's clock adds up here. A saved
    // game does not hold it; a game kept on disk does.
    std::int64_t Duree = 0;

    bool operator==(const Partie&) const = default;
};

// The seconds of a time in milliseconds, rounded half up.
inline std::int64_t Secondes(std::int64_t millisecondes)
{
    return (millisecondes + 500) / 1000;
}

// One draw of a colour number: floor(r * 8) + 1 for r in [0, 1).
std::int16_t TirageCouleur(double r);

// Four distinct colour numbers, each position redrawn while it repeats an earlier one.
Code4 TirerCodeSecret(const SourceAleatoire& aleatoire);

// A new game: no move, the cursor on cell 0, every swatch in row 0, the
// colours of `profil`, a fresh hidden code, history entries 1..100 cleared,
// play in progress. The composed code, the swatch clicked last and the mode
// are kept.
void NouvellePartie(Partie& partie, const ProfilCouleurs& profil, const SourceAleatoire& aleatoire);
// The same with a given hidden code, from `origine`.
void NouvellePartie(Partie& partie, const ProfilCouleurs& profil, const Code4& codeSecret,
                    const OriginePartie& origine);

// The colours of a profile: the palette, and every code cell shown empty.
void AppliquerProfil(Partie& partie, const ProfilCouleurs& profil);
// The palette, then the colour that code cell 0 shows.
ProfilCouleurs CollecterProfil(const Partie& partie);
// After the palette changed: each code cell that holds a number takes its colour.
void RafraichirCouleurs(Partie& partie);
// A palette of the colour editor, the cells repainted with it.
void FixerPalette(Partie& partie, const std::array<std::int32_t, NbCouleurs>& palette);

// The moves recorded, oldest first (history entries 1..NbCoups).
inline std::span<const Coup> CoupsJoues(const Partie& partie)
{
    return {partie.Historique.begin() + 1, static_cast<std::size_t>(partie.NbCoups)};
}

// How a game stands. Won when its last move scores four well placed; lost
// when the loss was shown, or when its 100 moves are played without a win:
// no new guess may be recorded, so it can no longer be won (the window, which
// still accepts the guess that shows the loss, keeps such a game in play).
enum class IssuePartie { EnCours, Gagnee, Perdue };
IssuePartie Issue(const Partie& partie);

// A loaded game replaces the game in progress: every move scored again, won
// when the last move scores 4, the last move composed in the code cells (a
// cell with a number takes its colour), the swatches in their rows, history
// entries past the loaded moves cleared, no number. The palette, the cursor and the
// swatch clicked last are kept.
void ChargerPartie(Partie& partie, const PartieSauvee& sauvee);
// The same for a game that comes back with what the file does not hold: the
// hints it was played with, its kind, its mode and its time (a game kept
// on disk).
void ChargerPartie(Partie& partie, const PartieSauvee& sauvee, int indices, const OriginePartie& origine,
                   bool difficile = false, std::int64_t duree = 0);
PartieSauvee SauverPartie(const Partie& partie);

// Scores one history entry against `codeSecret`, writes its BiPl and MalPl and
// returns BiPl. Every matching pair of positions counts once; a blank or
// non-digit character counts as colour 0.
std::int16_t ScoreCoup(const Code4& codeSecret, Coup& entree);

// The four colour numbers of a code as a text of digits ("3718").
std::string TexteCode(const Code4& code);

enum class ResultatValidation {
    Incomplet,        // a cell holds no colour number 1..8
    CouleurEnDouble,  // two cells hold the same colour number
    DejaJoue,         // the same code was already recorded in this game
    Perdu,            // 100 moves were already recorded: the game is lost
    Incompatible,     // hard mode: a move played rules the code out
    Gagne,            // recorded and scored 4 well placed
    Enregistre,       // recorded, the game goes on
};

// Validates the composed code in the fixed order: completeness, repeated
// colours, already played, move limit, in hard mode whether it fits the
// moves played, record and score. A refusal changes nothing; a loss leaves
// NbCoups at 100 and records nothing.
ResultatValidation ValiderCode(Partie& partie);

// The first move played that `code` would have scored otherwise (1 for the
// first), its score with `code` in `avecLui`; 0 when it fits every move.
int CoupQuiExclut(const Partie& partie, const Code4& code, Coup& avecLui);

// "H" (index 0) moves a swatch one row up, "B" (index 1) one row down,
// stopping at the first and last rows.
std::int16_t RangeeApresDeplacement(std::int16_t rangee, int index);

// Code entry: the cursor, a swatch painting the current cell, and "H"/"B"
// moving the swatch clicked last.
void ChoisirCase(Partie& partie, int index);
void ChoisirCouleur(Partie& partie, int indexSource);
void DeplacerSource(Partie& partie, int index);
// A hint: `code` composed cell by cell as the player would, the cursor back
// on the first cell, and one more hint counted.
void ComposerIndice(Partie& partie, const Code4& code);

// A game that another takes the place of, or that the player leaves without
// saving, counts as abandoned once a move is played, unless it has ended.
bool LaisseeCompteAbandonnee(const Partie& partie);

}  // namespace vorlinde
