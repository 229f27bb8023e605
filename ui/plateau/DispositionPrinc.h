// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Where the board's controls stand, in pixels, for a scale of its twips and
// what the desktop's style and text ask for. At scale 1, with captions that
// fit the described frames (Fusion or the board's own font), every rect is
// the one the layout tables give.
#include <QRect>
#include <QSize>

#include <array>

namespace vorlinde::ui {

enum class Arrangement {
    // The described board: the palette, the code, the history, top to bottom.
    Portrait,
    // For a landscape screen too low for the text: the history beside the
    // palette and the code, with the same controls.
    Paysage,
};

// What the style and the text ask of the frames, in pixels. Index 1 to 6 is
// the frame's number (Frame1...Frame6); index 0 is unused.
struct BesoinsTexte {
    // The lowest row of a caption's text below its frame's top: the frame's
    // controls start under it.
    std::array<int, 7> Legende{};
    // The width a frame needs for its caption to be drawn whole.
    std::array<int, 7> Largeur{};
    // The height of a counter's text.
    int HauteurTexte = 0;
    // What « Valider le code », and « H » and « B », need to show their
    // captions whole.
    QSize Valider;
    QSize Deplacer;
};

struct DispositionPrinc {
    Arrangement Sens = Arrangement::Portrait;
    double Echelle = 1;
    QSize Client;
    // Frames 1 to 3 in the board, 4 to 6 in Frame3.
    std::array<QRect, 7> Frame{};
    std::array<QRect, 2> Move{};
    std::array<QRect, 4> Code{};
    QRect OK;
    std::array<QRect, 40> Result{};
    std::array<QRect, 10> BiPl{};
    std::array<QRect, 10> MalPl{};
    QRect VScroll;
    // Swatch k standing in list row `rangee` (0..3).
    QRect Source(int k, int rangee) const;

    // Filled in by DisposerPlateau; read by Source.
    int DecalageSources = 0;
};

DispositionPrinc DisposerPlateau(Arrangement sens, double echelle, const BesoinsTexte& besoins);

// The lowest scale of the twips: below it, cells would be too small to
// click and tell apart.
inline constexpr double EchelleMinimale = 0.5;

// The board for text that asks for scale `voulue`, in `place` (the room the
// screen leaves for the board): the described board at that scale when it
// fits; otherwise, of the two arrangements, the one that fits at the larger
// scale from 1 up. When neither fits at 1 (large text on a small screen), the
// cells and controls shrink below the text's scale, down to
// EchelleMinimale, in the arrangement that keeps them larger; where none
// fits even there, the smaller board at EchelleMinimale. The captions and
// « Valider le code » are whole in every case.
DispositionPrinc ChoisirDisposition(double voulue, QSize place, const BesoinsTexte& besoins);

}  // namespace vorlinde::ui
