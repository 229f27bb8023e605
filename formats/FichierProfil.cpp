// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierProfil.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "Fichiers.h"

namespace vorlinde {
namespace {

// A profile holds at most nine short numbers; anything this long is not one,
// and only its start is ever read.
constexpr std::size_t TailleMaxLue = 64 * 1024;

bool FinDeLigne(int c)
{
    return c == '\r' || c == '\n';
}

// Reads one field; leaves the stream after its comma or line end.
ErreurFichier LireChamp(std::istream& flux, std::int32_t& valeur)
{
    int c = flux.get();
    while (c == ' ' || c == '\t')
        c = flux.get();
    if (c == std::char_traits<char>::eof())
        return ErreurFichier::TropPeuDeValeurs;
    std::int64_t n = 0;
    int chiffres = 0;
    while (c >= '0' && c <= '9') {
        n = n * 10 + (c - '0');
        if (n > CouleurMax)
            return ErreurFichier::ValeurInvalide;
        ++chiffres;
        c = flux.get();
    }
    while (c == ' ' || c == '\t')
        c = flux.get();
    const bool finDeFichier = c == std::char_traits<char>::eof();
    if (chiffres == 0 || !(c == ',' || FinDeLigne(c) || finDeFichier))
        return ErreurFichier::ValeurInvalide;
    if (c == '\r' && flux.peek() == '\n')
        flux.get();
    valeur = static_cast<std::int32_t>(n);
    return ErreurFichier::Aucune;
}

}  // namespace

std::string TexteProfil(const ProfilCouleurs& profil)
{
    std::string texte;
    for (const auto valeur : profil)
        texte += std::to_string(valeur) + "\r\n";
    return texte;
}

void EcrireProfil(std::ostream& flux, const ProfilCouleurs& profil)
{
    flux << TexteProfil(profil);
}

LectureProfil LireProfil(std::istream& flux)
{
    LectureProfil lecture;
    for (auto& valeur : lecture.Profil) {
        lecture.Erreur = LireChamp(flux, valeur);
        if (lecture.Erreur != ErreurFichier::Aucune)
            return {lecture.Erreur, {}};
    }
    return lecture;
}

ErreurFichier EcrireProfil(const std::filesystem::path& chemin, const ProfilCouleurs& profil)
{
    const std::string texte = TexteProfil(profil);
    return RemplacerFichier(chemin, std::span(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()));
}

LectureProfil LireProfil(const std::filesystem::path& chemin)
{
    return LireFichier<LectureProfil>(chemin, TailleMaxLue, [](std::span<const std::uint8_t> octets) {
        std::istringstream flux(std::string(octets.begin(), octets.end()));
        return LireProfil(flux);
    });
}

}  // namespace vorlinde
