// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Statistiques.h"

#include <algorithm>

namespace vorlinde {

namespace {

void Ajouter(Statistiques& s, FinDePartie fin, int coups, bool avecIndice)
{
    switch (fin) {
    case FinDePartie::Gagnee:
        ++s.Gagnees;
        if (avecIndice)
            ++s.GagneesAvecIndice;
        s.MeilleureSerie = std::max(s.MeilleureSerie, ++s.SerieEnCours);
        s.CoupsDesVictoires += coups;
        s.MeilleurePartie = s.MeilleurePartie == 0 ? Compte{coups} : std::min(s.MeilleurePartie, Compte{coups});
        ++s.VictoiresParCoups[std::clamp(coups, 1, ColonnesCoups) - 1];
        return;
    case FinDePartie::Perdue:
        ++s.Perdues;
        break;
    case FinDePartie::Abandonnee:
        ++s.Abandonnees;
        break;
    }
    s.SerieEnCours = 0;
}

}  // namespace

void Compter(Statistiques& s, FinDePartie fin, int coups, bool avecIndice)
{
    Statistiques apres = s;
    Ajouter(apres, fin, coups, avecIndice);
    const auto figures = {apres.Gagnees,           apres.Perdues,        apres.Abandonnees,
                          apres.GagneesAvecIndice, apres.MeilleureSerie, apres.CoupsDesVictoires};
    const bool tenu = std::all_of(figures.begin(), figures.end(), [](Compte n) { return n <= CompteMax; })
        && std::all_of(apres.VictoiresParCoups.begin(), apres.VictoiresParCoups.end(),
                       [](Compte n) { return n <= CompteMax; });
    if (tenu)
        s = apres;
}

std::string MoyenneDesCoups(const Statistiques& s)
{
    if (s.Gagnees == 0)
        return "0";
    // Tenths, rounded half up, in whole numbers: no locale, no binary fraction.
    const Compte dixiemes = (20 * s.CoupsDesVictoires + s.Gagnees) / (2 * s.Gagnees);
    return std::to_string(dixiemes / 10) + "," + std::to_string(dixiemes % 10);
}

}  // namespace vorlinde
