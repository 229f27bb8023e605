// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace vorlinde {

inline constexpr int LongueurCode = 4;
inline constexpr int NbCouleurs = 8;
inline constexpr int MaxCoups = 100;
inline constexpr int ScoreGagnant = 4;

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

// A hidden code: positions 1..4 are stored at indices 0..3.
using Code4 = std::array<std::int16_t, LongueurCode>;

// Returns a uniform value in [0, 1); the caller owns the seeding.
using SourceAleatoire = std::function<double()>;

// List rows of the palette frame, as `Top` positions in twips.
inline constexpr std::array<std::int16_t, 4> TopsRangees{240, 960, 1680, 2400};

// The whole state of one game. Owned by the main window; the widgets are
// repainted from it and never read back.
struct Partie {
    Code4 CodeSecret{1, 2, 3, 4};
    std::array<Coup, MaxCoups + 1> Historique{};  // entry 0 is never used
    std::int16_t NbCoups = 0;
    // The composed code: colour number of each code cell, 0 when empty.
    std::array<std::int16_t, LongueurCode> CasesCode{0, 0, 0, 0};
    // True while the game accepts guesses (the "Valider le code" button is enabled).
    bool EnCours = true;
    std::int16_t CaseCourante = 0;
    std::int16_t CoulSelect = -1;
    // `Top` in twips of each palette swatch 0..7.
    std::array<std::int16_t, NbCouleurs> TopCoulSource{240, 240, 240, 240, 240, 240, 240, 240};

    bool operator==(const Partie&) const = default;
};

// One draw of a colour number: floor(r * 8) + 1 for r in [0, 1).
std::int16_t TirageCouleur(double r);

// Four distinct colour numbers, each position redrawn while it repeats an earlier one.
Code4 TirerCodeSecret(const SourceAleatoire& aleatoire);

// The resets of a new game that concern the state: move count, cursor, swatch
// rows, cleared history entries 1..100, game in progress. The composed code
// and `CoulSelect` are kept.
void DebuterNouvellePartie(Partie& partie);
void EffacerHistorique(Partie& partie);

// Scores one history entry against `codeSecret`, writes its BiPl and MalPl and
// returns BiPl. Every matching pair of positions counts once; a blank or
// non-digit character counts as colour 0.
std::int16_t ScoreCoup(const Code4& codeSecret, Coup& entree);

// The four colour numbers of a code as a text of digits ("3718").
std::string TexteCode(const std::array<std::int16_t, LongueurCode>& code);

enum class ResultatValidation {
    Incomplet,        // a cell holds no colour number 1..8
    CouleurEnDouble,  // two cells hold the same colour number
    DejaJoue,         // the same code was already recorded in this game
    Perdu,            // 100 moves were already recorded: the game is lost
    Gagne,            // recorded and scored 4 well placed
    Enregistre,       // recorded, the game goes on
};

// Validates the composed code in the fixed order: completeness, repeated
// colours, already played, move limit, record and score. A refusal changes
// nothing; a loss leaves NbCoups at 100 and records nothing.
ResultatValidation ValiderCode(Partie& partie);

// "H" (index 0) moves a swatch one row up, "B" (index 1) one row down; a
// position that is not a row goes to row 0.
std::int16_t TopApresDeplacement(std::int16_t top, int index);

// Code entry on the state: the cursor and the composed code.
void ChoisirCase(Partie& partie, int index);
void ChoisirCouleur(Partie& partie, int indexSource);
void DeplacerSource(Partie& partie, int index);

}  // namespace vorlinde
