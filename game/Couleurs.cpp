// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Couleurs.h"

#include <algorithm>
#include <cmath>

namespace vorlinde {
namespace {

double Lineaire(int composante)
{
    const double c = composante / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Nommee {
    int R, G, B;
};

// Few enough to tell apart by ear, spread over the colour space; the
// palette's own colours each have theirs. Their names are the catalogue's,
// in the same order.
constexpr std::array<Nommee, NbCouleursNommees> Nommees{{
    {0, 0, 0},        // noir
    {64, 64, 64},     // gris foncé
    {128, 128, 128},  // gris
    {192, 192, 192},  // gris clair
    {255, 255, 255},  // blanc
    {255, 0, 0},      // rouge
    {128, 0, 32},     // bordeaux
    {255, 140, 0},    // orange
    {128, 64, 0},     // marron
    {225, 200, 150},  // beige
    {255, 255, 0},    // jaune
    {128, 128, 0},    // olive
    {0, 255, 0},      // vert
    {0, 110, 0},      // vert foncé
    {150, 240, 150},  // vert clair
    {0, 180, 160},    // turquoise
    {0, 255, 255},    // cyan
    {130, 190, 255},  // bleu ciel
    {0, 0, 255},      // bleu
    {0, 0, 110},      // bleu marine
    {130, 0, 180},    // violet
    {190, 140, 220},  // mauve
    {255, 0, 255},    // magenta
    {255, 170, 200},  // rose
}};

}  // namespace

int CouleurNommee(std::int32_t valeur)
{
    // The "red mean" weighting: closer to what the eye sees than plain
    // distances in RGB, with no conversion.
    const auto distance = [valeur](const Nommee& c) {
        const double moyenne = (Rouge(valeur) + c.R) / 2.0;
        const double dr = Rouge(valeur) - c.R, dg = Vert(valeur) - c.G, db = Bleu(valeur) - c.B;
        return (2 + moyenne / 256) * dr * dr + 4 * dg * dg + (2 + (255 - moyenne) / 256) * db * db;
    };
    std::size_t proche = 0;
    for (std::size_t k = 1; k < Nommees.size(); ++k)
        if (distance(Nommees[k]) < distance(Nommees[proche]))
            proche = k;
    return static_cast<int>(proche);
}

namespace {

double Luminance(std::int32_t couleur)
{
    return 0.2126 * Lineaire(Rouge(couleur)) + 0.7152 * Lineaire(Vert(couleur)) + 0.0722 * Lineaire(Bleu(couleur));
}

}  // namespace

bool TexteNoirSur(std::int32_t fond)
{
    const double luminance = Luminance(fond);
    const double contrasteNoir = (luminance + 0.05) / 0.05;
    const double contrasteBlanc = 1.05 / (luminance + 0.05);
    return contrasteNoir >= contrasteBlanc;
}

double Contraste(std::int32_t a, std::int32_t b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace vorlinde
