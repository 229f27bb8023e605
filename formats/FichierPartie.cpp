// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierPartie.h"

#include <algorithm>

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

std::uint8_t OctetDepuisRangee(std::int16_t rangee)
{
    return (rangee >= 0 && rangee < NbRangees) ? static_cast<std::uint8_t>(rangee + 1) : 0;
}

std::int16_t RangeeDepuisOctet(int valeur)
{
    return (valeur >= 1 && valeur <= NbRangees) ? static_cast<std::int16_t>(valeur - 1) : 0;
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
        octets.push_back(Paire(OctetDepuisRangee(partie.RangeeCoulSource[2 * m]),
                               OctetDepuisRangee(partie.RangeeCoulSource[2 * m + 1])));
    return octets;
}

LecturePartie LirePartie(std::span<const std::uint8_t> octets)
{
    LecturePartie lecture;
    const auto refus = [](ErreurFichier e) { return LecturePartie{e, {}}; };
    if (octets.empty())
        return refus(ErreurFichier::TropCourt);
    if (octets[0] > VersionFormat)
        return refus(ErreurFichier::ConflitDeVersion);
    if (octets.size() < TailleEntete)
        return refus(ErreurFichier::TropCourt);
    const std::size_t n = octets[3];
    if (n > MaxCoups)
        return refus(ErreurFichier::TropDeCoups);
    if (octets.size() < TailleEntete + 2 * n + TailleRangees)
        return refus(ErreurFichier::TropCourt);

    auto& partie = lecture.Partie;
    partie.CodeSecret = {static_cast<std::int16_t>(octets[1] >> 4), static_cast<std::int16_t>(octets[1] & 15),
                         static_cast<std::int16_t>(octets[2] >> 4), static_cast<std::int16_t>(octets[2] & 15)};
    if (!std::all_of(partie.CodeSecret.begin(), partie.CodeSecret.end(), EstCouleur))
        return refus(ErreurFichier::CouleurInvalide);
    // A repeated colour in the hidden code could never be found: every
    // winning guess would be refused as repeating a colour.
    for (int i = 0; i < LongueurCode; ++i)
        if (std::count(partie.CodeSecret.begin(), partie.CodeSecret.end(), partie.CodeSecret[i]) > 1)
            return refus(ErreurFichier::CodeSecretInvalide);

    for (std::size_t k = 0; k < n; ++k) {
        const std::uint8_t a = octets[TailleEntete + 2 * k];
        const std::uint8_t b = octets[TailleEntete + 2 * k + 1];
        const std::array<int, LongueurCode> chiffres{a >> 4, a & 15, b >> 4, b & 15};
        if (!std::all_of(chiffres.begin(), chiffres.end(), EstCouleur))
            return refus(ErreurFichier::CouleurInvalide);
        Coup coup;
        for (int p = 0; p < LongueurCode; ++p)
            coup.Code[p] = static_cast<char>('0' + chiffres[p]);
        // Play ends at the winning move: nothing can follow it.
        if (ScoreCoup(partie.CodeSecret, coup) == ScoreGagnant && k + 1 < n)
            return refus(ErreurFichier::CoupApresVictoire);
        // The game refuses a guess already played.
        if (std::find(partie.Coups.begin(), partie.Coups.end(), coup.Code) != partie.Coups.end())
            return refus(ErreurFichier::CoupRepete);
        partie.Coups.push_back(coup.Code);
    }

    for (std::size_t m = 0; m < TailleRangees; ++m) {
        const std::uint8_t rangees = octets[TailleEntete + 2 * n + m];
        partie.RangeeCoulSource[2 * m] = RangeeDepuisOctet(rangees >> 4);
        partie.RangeeCoulSource[2 * m + 1] = RangeeDepuisOctet(rangees & 15);
    }
    return lecture;
}

ErreurFichier EcrireFichierPartie(const std::filesystem::path& chemin, const PartieSauvee& partie)
{
    // The tail of an old saved game stays, as it always has; that of a larger
    // file, which no game could have written, does not.
    return RemplacerFichier(chemin, OctetsPartie(partie), Remplacement::GarderLaSuite, TailleMaxLue - 1);
}

LecturePartie LireFichierPartie(const std::filesystem::path& chemin)
{
    return LireFichier<LecturePartie>(chemin, TailleMaxLue, LirePartie);
}

}  // namespace vorlinde
