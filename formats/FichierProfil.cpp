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
ErreurProfil LireChamp(std::istream& flux, std::int32_t& valeur)
{
    int c = flux.get();
    while (c == ' ' || c == '\t')
        c = flux.get();
    if (c == std::char_traits<char>::eof())
        return ErreurProfil::TropPeuDeValeurs;
    std::int64_t n = 0;
    int chiffres = 0;
    while (c >= '0' && c <= '9') {
        n = n * 10 + (c - '0');
        if (n > CouleurMax)
            return ErreurProfil::ValeurInvalide;
        ++chiffres;
        c = flux.get();
    }
    while (c == ' ' || c == '\t')
        c = flux.get();
    const bool finDeFichier = c == std::char_traits<char>::eof();
    if (chiffres == 0 || !(c == ',' || FinDeLigne(c) || finDeFichier))
        return ErreurProfil::ValeurInvalide;
    if (c == '\r' && flux.peek() == '\n')
        flux.get();
    valeur = static_cast<std::int32_t>(n);
    return ErreurProfil::Aucune;
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
        if (lecture.Erreur != ErreurProfil::Aucune)
            return {lecture.Erreur, {}};
    }
    return lecture;
}

ErreurProfil EcrireProfil(const std::filesystem::path& chemin, const ProfilCouleurs& profil)
{
    const std::string texte = TexteProfil(profil);
    const std::span<const std::uint8_t> octets(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size());
    return RemplacerFichier(chemin, octets) ? ErreurProfil::Aucune : ErreurProfil::Ecriture;
}

LectureProfil LireProfil(const std::filesystem::path& chemin)
{
    std::vector<std::uint8_t> octets;
    if (!LireDebutFichier(chemin, TailleMaxLue, octets))
        return {ErreurProfil::Illisible, {}};
    std::istringstream flux(std::string(octets.begin(), octets.end()));
    return LireProfil(flux);
}

std::string RaisonErreurProfil(ErreurProfil erreur)
{
    switch (erreur) {
    case ErreurProfil::Aucune:
        return {};
    case ErreurProfil::TropPeuDeValeurs:
        return "Le fichier contient moins de neuf couleurs.";
    case ErreurProfil::ValeurInvalide:
        return "Le fichier contient une valeur qui n'est pas une couleur (un nombre entier de 0 à 16777215).";
    case ErreurProfil::Illisible:
        return "Le fichier ne peut pas être lu.";
    case ErreurProfil::Ecriture:
        return "Le fichier ne peut pas être écrit.";
    }
    return {};
}

}  // namespace vorlinde
