// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The colour profile: nine decimal colour values, one a line, each line ended
// by CR LF. Reading takes nine fields ended by a comma or a line end, skips the
// spaces in front of a field and ignores whatever follows the ninth.
#include <filesystem>
#include <iosfwd>
#include <string>

#include "game/Couleurs.h"

namespace vorlinde {

enum class ErreurProfil {
    Aucune,
    TropPeuDeValeurs,  // fewer than nine fields
    ValeurInvalide,    // a field that is not a whole number from 0 to 16777215
    Illisible,         // the file cannot be opened or read
    Ecriture,          // the file cannot be written
};

struct LectureProfil {
    ErreurProfil Erreur = ErreurProfil::Aucune;
    ProfilCouleurs Profil{};
};

std::string TexteProfil(const ProfilCouleurs& profil);
void EcrireProfil(std::ostream& flux, const ProfilCouleurs& profil);
LectureProfil LireProfil(std::istream& flux);

// Replaces the file at `chemin` atomically: a failure leaves the old file whole.
ErreurProfil EcrireProfil(const std::filesystem::path& chemin, const ProfilCouleurs& profil);
LectureProfil LireProfil(const std::filesystem::path& chemin);

std::string RaisonErreurProfil(ErreurProfil erreur);

}  // namespace vorlinde
