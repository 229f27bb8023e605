// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The saved-game file: 8 + 2n single bytes. Version byte, the hidden code as
// two pair bytes (high half first), the move count, each move as two pair
// bytes, and the list rows of the eight swatches as four pair bytes.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "Fichiers.h"
#include "game/Partie.h"

namespace vorlinde {

struct PartieSauvee {
    Code4 CodeSecret{};
    std::vector<std::array<char, LongueurCode>> Coups;  // digit characters
    std::array<std::int16_t, NbCouleurs> TopCoulSource{};

    bool operator==(const PartieSauvee&) const = default;
};

struct LecturePartie {
    ErreurFichier Erreur = ErreurFichier::Aucune;
    PartieSauvee Partie;
};

// 1 for 240, 2 for 960, 3 for 1680, 4 for 2400, 0 for any other position.
std::uint8_t RangeeDepuisTop(std::int16_t top);
// The top row for 0 and for 5..15.
std::int16_t TopDepuisRangee(int rangee);

PartieSauvee CapturerPartie(const Partie& partie);

std::vector<std::uint8_t> OctetsPartie(const PartieSauvee& partie);

// Parses the whole file and checks it; nothing is returned unless it is sound.
// A hidden code must hold four different colours, and only the last move may
// win: the program never writes anything else. A move whose colours repeat
// one is accepted as written.
LecturePartie LirePartie(std::span<const std::uint8_t> octets);

// The new bytes followed by whatever a longer old file held past them, as a
// save has always left it, but the file is replaced as a whole (see
// RemplacerFichier): a failure leaves the old file and creates nothing.
ErreurFichier EcrireFichierPartie(const std::filesystem::path& chemin, const PartieSauvee& partie);
// Reads no more than the largest saved game plus one byte.
LecturePartie LireFichierPartie(const std::filesystem::path& chemin);

}  // namespace vorlinde
