// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A file's bytes, and a file written whole, as the tests set them up.
inline std::string Lire(const std::filesystem::path& chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
}

inline void Ecrire(const std::filesystem::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}
