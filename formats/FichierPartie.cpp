// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierPartie.h"

#include "Fichiers.h"

#include <algorithm>

#include <fcntl.h>
#include <unistd.h>

namespace vorlinde {
namespace {

constexpr std::size_t TailleEntete = 4;
constexpr std::size_t TailleRangees = 4;
constexpr std::uint8_t VersionFormat = 1;
// Nothing larger can be a saved game; reading stops there.
constexpr std::size_t TailleMaxLue = TailleEntete + 2 * MaxCoups + TailleRangees + 1;

std::uint8_t Paire(int haut, int bas)
{
    return static_cast<std::uint8_t>(16 * haut + bas);
}

bool EstCouleur(int n)
{
    return n >= 1 && n <= NbCouleurs;
}

}  // namespace

std::uint8_t RangeeDepuisTop(std::int16_t top)
{
    for (std::size_t r = 0; r < TopsRangees.size(); ++r)
        if (TopsRangees[r] == top)
            return static_cast<std::uint8_t>(r + 1);
    return 0;
}

std::int16_t TopDepuisRangee(int rangee)
{
    return (rangee >= 1 && rangee <= 4) ? TopsRangees[static_cast<std::size_t>(rangee - 1)] : TopsRangees[0];
}

PartieSauvee CapturerPartie(const Partie& partie)
{
    PartieSauvee sauvee;
    sauvee.CodeSecret = partie.CodeSecret;
    for (int k = 1; k <= partie.NbCoups; ++k)
        sauvee.Coups.push_back(partie.Historique[k].Code);
    sauvee.TopCoulSource = partie.TopCoulSource;
    return sauvee;
}

std::vector<std::uint8_t> OctetsPartie(const PartieSauvee& partie)
{
    const auto chiffre = [](char c) { return (c >= '0' && c <= '9') ? c - '0' : 0; };
    std::vector<std::uint8_t> octets;
    octets.push_back(VersionFormat);
    octets.push_back(Paire(partie.CodeSecret[0], partie.CodeSecret[1]));
    octets.push_back(Paire(partie.CodeSecret[2], partie.CodeSecret[3]));
    octets.push_back(static_cast<std::uint8_t>(partie.Coups.size()));
    for (const auto& code : partie.Coups) {
        octets.push_back(Paire(chiffre(code[0]), chiffre(code[1])));
        octets.push_back(Paire(chiffre(code[2]), chiffre(code[3])));
    }
    for (std::size_t m = 0; m < TailleRangees; ++m)
        octets.push_back(
            Paire(RangeeDepuisTop(partie.TopCoulSource[2 * m]), RangeeDepuisTop(partie.TopCoulSource[2 * m + 1])));
    return octets;
}

LecturePartie LirePartie(std::span<const std::uint8_t> octets)
{
    LecturePartie lecture;
    const auto refus = [](ErreurPartie e) { return LecturePartie{e, {}}; };
    if (octets.empty())
        return refus(ErreurPartie::TropCourt);
    if (octets[0] > VersionFormat)
        return refus(ErreurPartie::ConflitDeVersion);
    if (octets.size() < TailleEntete)
        return refus(ErreurPartie::TropCourt);
    const std::size_t n = octets[3];
    if (n > MaxCoups)
        return refus(ErreurPartie::TropDeCoups);
    if (octets.size() < TailleEntete + 2 * n + TailleRangees)
        return refus(ErreurPartie::TropCourt);

    auto& partie = lecture.Partie;
    partie.CodeSecret = {static_cast<std::int16_t>(octets[1] >> 4), static_cast<std::int16_t>(octets[1] & 15),
                         static_cast<std::int16_t>(octets[2] >> 4), static_cast<std::int16_t>(octets[2] & 15)};
    if (!std::all_of(partie.CodeSecret.begin(), partie.CodeSecret.end(), EstCouleur))
        return refus(ErreurPartie::CouleurInvalide);

    for (std::size_t k = 0; k < n; ++k) {
        const std::uint8_t a = octets[TailleEntete + 2 * k];
        const std::uint8_t b = octets[TailleEntete + 2 * k + 1];
        const std::array<int, LongueurCode> chiffres{a >> 4, a & 15, b >> 4, b & 15};
        if (!std::all_of(chiffres.begin(), chiffres.end(), EstCouleur))
            return refus(ErreurPartie::CouleurInvalide);
        std::array<char, LongueurCode> code{};
        for (int p = 0; p < LongueurCode; ++p)
            code[p] = static_cast<char>('0' + chiffres[p]);
        partie.Coups.push_back(code);
    }

    for (std::size_t m = 0; m < TailleRangees; ++m) {
        const std::uint8_t rangees = octets[TailleEntete + 2 * n + m];
        partie.TopCoulSource[2 * m] = TopDepuisRangee(rangees >> 4);
        partie.TopCoulSource[2 * m + 1] = TopDepuisRangee(rangees & 15);
    }
    return lecture;
}

ErreurPartie EcrireFichierPartie(const std::filesystem::path& chemin, const PartieSauvee& partie)
{
    const auto octets = OctetsPartie(partie);
    // O_CREAT without O_TRUNC: an existing file keeps its bytes past the new end.
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return ErreurPartie::Ecriture;
    bool ok = EcrireTout(fd, octets);
    ok = (::close(fd) == 0) && ok;
    return ok ? ErreurPartie::Aucune : ErreurPartie::Ecriture;
}

LecturePartie LireFichierPartie(const std::filesystem::path& chemin)
{
    std::vector<std::uint8_t> octets;
    if (!LireDebutFichier(chemin, TailleMaxLue, octets))
        return {ErreurPartie::Illisible, {}};
    return LirePartie(octets);
}

std::string RaisonErreurPartie(ErreurPartie erreur)
{
    switch (erreur) {
    case ErreurPartie::Aucune:
        return {};
    case ErreurPartie::ConflitDeVersion:
        return "Le fichier a été écrit par une version plus récente.";
    case ErreurPartie::TropCourt:
        return "Le fichier est incomplet.";
    case ErreurPartie::TropDeCoups:
        return "Le fichier annonce plus de 100 coups.";
    case ErreurPartie::CouleurInvalide:
        return "Le fichier contient un numéro de couleur hors de 1 à 8.";
    case ErreurPartie::Illisible:
        return "Le fichier ne peut pas être lu.";
    case ErreurPartie::Ecriture:
        return "Le fichier ne peut pas être écrit.";
    }
    return {};
}

}  // namespace vorlinde
