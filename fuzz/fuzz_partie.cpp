// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The saved-game reader takes bytes from anywhere. It must never crash, and a
// file it accepts must hold nothing the window could not show: colour numbers
// 1..8, a hidden code of four different colours, at most 100 moves of which
// only the last may win, swatches in one of the four rows. An accepted game
// written again must read back the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "formats/FichierPartie.h"

using namespace vorlinde;

namespace {

void Verifier(bool condition)
{
    if (!condition)
        std::abort();
}

bool EstCouleur(int n)
{
    return n >= 1 && n <= NbCouleurs;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const auto lecture = LirePartie(std::span<const std::uint8_t>(donnees, taille));
    if (lecture.Erreur != ErreurFichier::Aucune) {
        Verifier(lecture.Partie == PartieSauvee{});
        return 0;
    }
    const auto& partie = lecture.Partie;
    Verifier(taille >= 8 + 2 * partie.Coups.size());
    Verifier(partie.Coups.size() <= MaxCoups);
    for (const auto n : partie.CodeSecret) {
        Verifier(EstCouleur(n));
        Verifier(std::count(partie.CodeSecret.begin(), partie.CodeSecret.end(), n) == 1);
    }
    for (std::size_t k = 0; k + 1 < partie.Coups.size(); ++k) {
        Coup coup;
        coup.Code = partie.Coups[k];
        Verifier(ScoreCoup(partie.CodeSecret, coup) < ScoreGagnant);
    }
    for (const auto& code : partie.Coups)
        for (const char c : code)
            Verifier(EstCouleur(c - '0'));
    for (const auto rangee : partie.RangeeCoulSource)
        Verifier(rangee >= 0 && rangee < NbRangees);

    const auto octets = OctetsPartie(partie);
    Verifier(octets.size() == 8 + 2 * partie.Coups.size());
    const auto relue = LirePartie(octets);
    Verifier(relue.Erreur == ErreurFichier::Aucune && relue.Partie == partie);
    return 0;
}
