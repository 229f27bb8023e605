// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Small POSIX file helpers shared by the two file formats.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace vorlinde {

// Reads at most `maximum` bytes from the start of a regular file. False when
// the file cannot be opened, is not a regular file, or a read fails.
bool LireDebutFichier(const std::filesystem::path& chemin, std::size_t maximum, std::vector<std::uint8_t>& octets);

// Writes all of `octets` to `fd` and flushes them to the disk; false on any error.
bool EcrireTout(int fd, std::span<const std::uint8_t> octets);

// Replaces `chemin` as a whole: writes a temporary file in the same folder,
// flushes it and renames it over the old one. On failure the old file is left
// whole and no temporary file remains. An existing file that the user may not
// write is refused, as a read-only file should be.
bool RemplacerFichier(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets);

}  // namespace vorlinde
