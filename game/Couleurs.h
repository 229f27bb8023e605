// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Colour values are 24-bit RGB held as 0x00BBGGRR: red + 256 green + 65536 blue.
#include <array>
#include <cstdint>

namespace vorlinde {

inline constexpr std::int32_t CouleurMax = 16777215;

// The eight palette colours (swatches 0..7), then the colour of empty code cells.
using ProfilCouleurs = std::array<std::int32_t, 9>;

inline constexpr std::int32_t Rgb(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}
inline constexpr int Rouge(std::int32_t valeur)
{
    return valeur & 0xFF;
}
inline constexpr int Vert(std::int32_t valeur)
{
    return (valeur >> 8) & 0xFF;
}
inline constexpr int Bleu(std::int32_t valeur)
{
    return (valeur >> 16) & 0xFF;
}

// Green, blue, red, yellow, magenta, black, cyan, white, and mid grey.
inline constexpr ProfilCouleurs ProfilParDefaut{
    Rgb(0, 255, 0), Rgb(0, 0, 255),   Rgb(255, 0, 0),     Rgb(255, 255, 0),   Rgb(255, 0, 255),
    Rgb(0, 0, 0),   Rgb(0, 255, 255), Rgb(255, 255, 255), Rgb(127, 127, 127),
};

// Whether black text stands out more than white text on `fond`, by the
// contrast ratio of their relative luminances.
bool TexteNoirSur(std::int32_t fond);
// How far two colours stand apart, from 1 to 21, as accessibility guidelines
// measure it (the ratio of their relative luminances plus 0.05).
double Contraste(std::int32_t a, std::int32_t b);

// The colour of a short list of named ones ("rouge", "bleu marine", "gris
// clair"...) nearest to `valeur`, that a listener can picture by its name
// (textes::NomDeCouleur): its place in the list.
inline constexpr int NbCouleursNommees = 24;
int CouleurNommee(std::int32_t valeur);

// The text colour kept on a code cell: 2^24 minus its background (1..16777216).
inline constexpr std::int32_t ForeColorPour(std::int32_t backColor)
{
    return static_cast<std::int32_t>(16777216.0 - static_cast<double>(backColor));
}

}  // namespace vorlinde
