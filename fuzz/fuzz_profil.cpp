// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The colour-profile reader takes text from anywhere. It must never crash or
// hang, an accepted profile holds nine colour values 0..16777215, a profile
// written again reads back the same, and a file's bytes (read without a
// stream, as at start-up) give exactly what a stream of them gives.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>

#include "formats/FichierProfil.h"

using namespace vorlinde;

namespace {

void Verifier(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    std::istringstream flux(std::string(reinterpret_cast<const char*>(donnees), taille));
    const auto lecture = LireProfil(flux);
    const auto octets = LireProfil(std::span(donnees, taille));
    Verifier(octets.Erreur == lecture.Erreur && octets.Profil == lecture.Profil);
    if (lecture.Erreur != ErreurFichier::Aucune) {
        Verifier(lecture.Profil == ProfilCouleurs{});
        return 0;
    }
    for (const auto valeur : lecture.Profil)
        Verifier(valeur >= 0 && valeur <= CouleurMax);
    std::istringstream texte(TexteProfil(lecture.Profil));
    const auto relue = LireProfil(texte);
    Verifier(relue.Erreur == ErreurFichier::Aucune && relue.Profil == lecture.Profil);
    return 0;
}
