// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The colour profile: nine decimal colour values, one a line, each line ended
// by CR LF. Reading takes nine fields ended by a comma or a line end, skips the
// spaces in front of a field and ignores whatever follows the ninth.
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

#include "Raisons.h"
#include "game/Couleurs.h"
#include "platform/Fichiers.h"

namespace vorlinde {

struct LectureProfil {
    ErreurFichier Erreur = ErreurFichier::Aucune;
    ProfilCouleurs Profil{};
};

std::string TexteProfil(const ProfilCouleurs& profil);
void EcrireProfil(std::ostream& flux, const ProfilCouleurs& profil);
LectureProfil LireProfil(std::istream& flux);
// The same reading over bytes in memory, without a standard stream.
LectureProfil LireProfil(std::span<const std::uint8_t> octets);

// Replaces the file at `chemin` as a whole (see RemplacerFichier); a new
// file is the user's alone when `prive` (the default profile).
ErreurFichier EcrireProfil(const std::filesystem::path& chemin, const ProfilCouleurs& profil, bool prive = false);
// Reads the first 64 KiB at most: room for the nine values with any spacing.
LectureProfil LireProfil(const std::filesystem::path& chemin);

}  // namespace vorlinde
