// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// What can go wrong with a saved game or a colour profile on disk, and the
// POSIX file helpers that the two formats share. Only regular files are ever
// opened, without blocking; nothing reads more than the caller allows.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace vorlinde {

enum class ErreurFichier {
    Aucune,
    PasUnFichierOrdinaire,  // a folder, a named pipe, a socket or a device
    Illisible,              // the file cannot be opened or read
    Ecriture,               // the file cannot be created or written
    // Saved games
    ConflitDeVersion,    // version byte above 1
    TropCourt,           // fewer bytes than the move count calls for
    TropDeCoups,         // move count above 100
    CouleurInvalide,     // a colour number outside 1..8
    CodeSecretInvalide,  // the hidden code repeats a colour
    CoupApresVictoire,   // a move follows the winning move
    // Colour profiles
    TropPeuDeValeurs,  // fewer than nine fields
    ValeurInvalide,    // a field that is not a whole number from 0 to 16777215
};

// A short French explanation of a refusal, for the player.
std::string RaisonErreurFichier(ErreurFichier erreur);

// Reads at most `maximum` bytes from the start of a regular file.
ErreurFichier LireDebutFichier(const std::filesystem::path& chemin, std::size_t maximum,
                               std::vector<std::uint8_t>& octets);

// Reads a file and hands its first `maximum` bytes to `analyser`, which turns
// them into a reading; a file that cannot be read gives `{erreur, {}}`.
template <typename Lecture, typename Analyse>
Lecture LireFichier(const std::filesystem::path& chemin, std::size_t maximum, Analyse analyser)
{
    std::vector<std::uint8_t> octets;
    const auto erreur = LireDebutFichier(chemin, maximum, octets);
    if (erreur != ErreurFichier::Aucune)
        return {erreur, {}};
    return analyser(std::span<const std::uint8_t>(octets));
}

enum class Remplacement {
    Entier,         // the file holds exactly the new bytes
    GarderLaSuite,  // an old file's bytes past the new end stay after them
};

// Replaces the file at `chemin` as a whole, so that a crash or a full disk
// never leaves a mix of old and new bytes: the new content goes to a
// temporary file with a short name in the same folder, which is flushed and
// renamed over the target. A symlink is written through to its target and
// stays a link; a replaced file keeps its owner, group and permissions. When
// the folder cannot take the temporary file, or the temporary file cannot be
// given the old file's owner, an existing writable file is written in place.
// On failure the old file is left as it was and nothing new remains.
// A file that exists and that the user may not write is refused.
ErreurFichier RemplacerFichier(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets,
                               Remplacement remplacement = Remplacement::Entier);

}  // namespace vorlinde
