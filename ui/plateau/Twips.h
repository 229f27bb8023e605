// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Every position and size of the windows is written in twips (1/1440 inch) and
// converted here only: 15 twips make one device-independent pixel at the text
// size the layout was drawn for, and Qt's high-DPI scaling does the rest. A
// desktop with larger text makes every twip larger alike (the scale), so that
// the captions stay whole and the board keeps its proportions.
#include <QRect>
#include <QSize>

class QFont;
class QString;

namespace vorlinde::ui {

inline constexpr int TwipsParPixel = 15;

// The scale of the windows made from now on: 1 draws the described geometry
// to the pixel.
double Echelle();
void FixerEchelle(double echelle);

// The scale that `police` calls for: how much more room it needs than the
// font the layout was drawn for, by the height of its lines and the width
// of `textes`; never below 1.
double EchellePour(const QFont& police, std::initializer_list<QString> textes);

inline int Px(int twips, double echelle)
{
    // Rounded down as at scale 1, where the division is exact to the pixel.
    return static_cast<int>(twips * echelle / TwipsParPixel + 1e-6);
}
inline int Px(int twips)
{
    return Px(twips, Echelle());
}
constexpr int Twips(int pixels)
{
    return pixels * TwipsParPixel;
}

inline QRect RectTwips(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline QSize TailleTwips(int width, int height)
{
    return {Px(width), Px(height)};
}

}  // namespace vorlinde::ui
