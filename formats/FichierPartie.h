// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The saved-game file: 8 + 2n single bytes. Version byte, the hidden code as
// two pair bytes (high half first), the move count, each move as two pair
// bytes, and the list rows of the eight swatches as four pair bytes.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "Raisons.h"
#include "game/Partie.h"
#include "platform/Fichiers.h"

namespace vorlinde {

struct LecturePartie {
    ErreurFichier Erreur = ErreurFichier::Aucune;
    PartieSauvee Partie;
};

// A swatch's list row as the file stores it: 1 (top row) to 4, and back.
// A stored value that is not 1..4 puts the swatch in the top row.
std::uint8_t OctetDepuisRangee(std::int16_t rangee);
std::int16_t RangeeDepuisOctet(int valeur);

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
