// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierProfil.h"

#include <istream>
#include <ostream>
#include <span>
#include <vector>

#include "platform/Fichiers.h"

namespace vorlinde {
namespace {

// A profile holds at most nine short numbers; anything this long is not one,
// and only its start is ever read.
constexpr std::size_t TailleMaxLue = 64 * 1024;

bool FinDeLigne(int c)
{
    return c == '\r' || c == '\n';
}

// The bytes of a file read as a stream would give them. A profile is read at
// every start: a standard stream would set up its locale first, which costs
// more than the whole reading.
class Octets {
public:
    explicit Octets(std::span<const std::uint8_t> octets) : octets_(octets) { }
    int get() { return position_ < octets_.size() ? octets_[position_++] : std::char_traits<char>::eof(); }
    int peek() const { return position_ < octets_.size() ? octets_[position_] : std::char_traits<char>::eof(); }

private:
    std::span<const std::uint8_t> octets_;
    std::size_t position_ = 0;
};

// Reads one field; leaves the source after its comma or line end.
template <typename Source> ErreurFichier LireChamp(Source& flux, std::int32_t& valeur)
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

template <typename Source> LectureProfil LireChamps(Source& flux)
{
    LectureProfil lecture;
    for (auto& valeur : lecture.Profil) {
        lecture.Erreur = LireChamp(flux, valeur);
        if (lecture.Erreur != ErreurFichier::Aucune)
            return {lecture.Erreur, {}};
    }
    return lecture;
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
    return LireChamps(flux);
}

ErreurFichier EcrireProfil(const std::filesystem::path& chemin, const ProfilCouleurs& profil, bool prive)
{
    const std::string texte = TexteProfil(profil);
    return RemplacerFichier(chemin, std::span(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()),
                            Remplacement::Entier, 0, prive);
}

LectureProfil LireProfil(std::span<const std::uint8_t> octets)
{
    Octets flux(octets);
    return LireChamps(flux);
}

LectureProfil LireProfil(const std::filesystem::path& chemin)
{
    return LireFichier<LectureProfil>(chemin, TailleMaxLue,
                                      [](std::span<const std::uint8_t> octets) { return LireProfil(octets); });
}

}  // namespace vorlinde
