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

struct CouleurNommee {
    const char* Nom;
    int R, G, B;
};

// Few enough names to tell apart by ear, spread over the colour space; the
// palette's own colours each have theirs.
constexpr std::array<CouleurNommee, 24> Nommees{{
    {"noir", 0, 0, 0},
    {"gris foncé", 64, 64, 64},
    {"gris", 128, 128, 128},
    {"gris clair", 192, 192, 192},
    {"blanc", 255, 255, 255},
    {"rouge", 255, 0, 0},
    {"bordeaux", 128, 0, 32},
    {"orange", 255, 140, 0},
    {"marron", 128, 64, 0},
    {"beige", 225, 200, 150},
    {"jaune", 255, 255, 0},
    {"olive", 128, 128, 0},
    {"vert", 0, 255, 0},
    {"vert foncé", 0, 110, 0},
    {"vert clair", 150, 240, 150},
    {"turquoise", 0, 180, 160},
    {"cyan", 0, 255, 255},
    {"bleu ciel", 130, 190, 255},
    {"bleu", 0, 0, 255},
    {"bleu marine", 0, 0, 110},
    {"violet", 130, 0, 180},
    {"mauve", 190, 140, 220},
    {"magenta", 255, 0, 255},
    {"rose", 255, 170, 200},
}};

}  // namespace

const char* NomDeCouleur(std::int32_t valeur)
{
    // The "red mean" weighting: closer to what the eye sees than plain
    // distances in RGB, with no conversion.
    const auto distance = [valeur](const CouleurNommee& c) {
        const double moyenne = (Rouge(valeur) + c.R) / 2.0;
        const double dr = Rouge(valeur) - c.R, dg = Vert(valeur) - c.G, db = Bleu(valeur) - c.B;
        return (2 + moyenne / 256) * dr * dr + 4 * dg * dg + (2 + (255 - moyenne) / 256) * db * db;
    };
    const CouleurNommee* proche = &Nommees[0];
    for (const auto& c : Nommees)
        if (distance(c) < distance(*proche))
            proche = &c;
    return proche->Nom;
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
