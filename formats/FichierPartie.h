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

#include "game/Partie.h"

namespace vorlinde {

struct PartieSauvee {
    Code4 CodeSecret{};
    std::vector<std::array<char, LongueurCode>> Coups;  // digit characters
    std::array<std::int16_t, NbCouleurs> TopCoulSource{};

    bool operator==(const PartieSauvee&) const = default;
};

enum class ErreurPartie {
    Aucune,
    ConflitDeVersion,  // version byte above 1
    TropCourt,         // fewer bytes than the move count calls for
    TropDeCoups,       // move count above 100
    CouleurInvalide,   // a colour number outside 1..8
    Illisible,         // the file cannot be opened or read
    Ecriture,          // the file cannot be created or written
};

struct LecturePartie {
    ErreurPartie Erreur = ErreurPartie::Aucune;
    PartieSauvee Partie;
};

// 1 for 240, 2 for 960, 3 for 1680, 4 for 2400, 0 for any other position.
std::uint8_t RangeeDepuisTop(std::int16_t top);
// The top row for 0 and for 5..15.
std::int16_t TopDepuisRangee(int rangee);

PartieSauvee CapturerPartie(const Partie& partie);

std::vector<std::uint8_t> OctetsPartie(const PartieSauvee& partie);

// Parses the whole file and checks it; nothing is returned unless it is sound.
// A move whose colours repeat one is accepted as written.
LecturePartie LirePartie(std::span<const std::uint8_t> octets);

// Writes from the start of the file without emptying it first: bytes past the
// new end of a longer old file stay as they were. Creates a missing file.
ErreurPartie EcrireFichierPartie(const std::filesystem::path& chemin, const PartieSauvee& partie);
LecturePartie LireFichierPartie(const std::filesystem::path& chemin);

// A short French explanation of a refusal, for the player.
std::string RaisonErreurPartie(ErreurPartie erreur);

}  // namespace vorlinde
