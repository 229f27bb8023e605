// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The file services that the layouts of formats/ are read and written with.
// Only regular files are ever opened, without blocking; nothing reads more
// than the caller allows.
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "ErreurFichier.h"

namespace vorlinde {

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
    Entier,  // the file holds exactly the new bytes
    // An old file's bytes past the new end stay after them, when the old
    // file is no larger than the `suiteMax` bytes that the caller allows;
    // a larger one is replaced whole, so that a save never copies a big file.
    GarderLaSuite,
};

// Replaces the file at `chemin` as a whole, so that a crash or a full disk
// never leaves a mix of old and new bytes: the new content goes to a
// temporary file with a short name in the same folder, which is flushed and
// renamed over the target. A symlink is written through to its target and
// stays a link; a replaced file keeps its owner, group and permissions. When
// the folder cannot take the temporary file, or the temporary file cannot be
// given the old file's owner, an existing writable file is written in place.
// On failure the old file is left as it was and nothing new remains.
// A file that exists and that the user may not write is refused. A new file
// gets the modes the umask leaves, or the user's alone (0600) when `prive`.
ErreurFichier RemplacerFichier(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets,
                               Remplacement remplacement = Remplacement::Entier, std::uintmax_t suiteMax = 0,
                               bool prive = false);

// True when a directory entry of that name exists, a dangling link included.
bool Existe(const std::filesystem::path& chemin);

// The local date and time as the names of set-aside files hold it:
// "20261209-143005".
std::string Horodatage();

// Writes all of `octets` to `fd`, through interruptions; false on an error.
bool EcrireTout(int fd, std::span<const std::uint8_t> octets);

// Opens /dev/null on each of the standard streams (0, 1, 2) that is closed.
void OuvrirFluxStandard();

}  // namespace vorlinde
