// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Couleurs.h"

#include <cmath>

namespace vorlinde {
namespace {

double Lineaire(int composante)
{
    const double c = composante / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

bool TexteNoirSur(std::int32_t fond)
{
    const double luminance
        = 0.2126 * Lineaire(Rouge(fond)) + 0.7152 * Lineaire(Vert(fond)) + 0.0722 * Lineaire(Bleu(fond));
    const double contrasteNoir = (luminance + 0.05) / 0.05;
    const double contrasteBlanc = 1.05 / (luminance + 0.05);
    return contrasteNoir >= contrasteBlanc;
}

}  // namespace vorlinde
