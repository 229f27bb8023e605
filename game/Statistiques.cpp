// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Statistiques.h"

#include <algorithm>

#include "Sortes.h"

namespace vorlinde {

namespace {

void CompterJour(Statistiques& s, FinDePartie fin, int coups, std::int32_t jour, std::int32_t aujourdhui)
{
    const bool futur = DernierJourFutur(s, aujourdhui) && jour <= aujourdhui;
    if (!DateValide(jour) || (jour <= s.DernierJour && !futur))
        return;
    ++s.JoursJoues;
    s.SerieDeJours = Lendemain(static_cast<std::int32_t>(s.DernierJour)) == jour ? s.SerieDeJours + 1 : 1;
    s.MeilleureSerieDeJours = std::max(s.MeilleureSerieDeJours, s.SerieDeJours);
    s.DernierJour = jour;
    s.IssueDernierJour = static_cast<Compte>(fin) + 1;
    s.CoupsDernierJour = coups;
}

void Ajouter(Statistiques& s, const PartieTerminee& partie, std::int32_t aujourdhui)
{
    const int coups = partie.Coups;
    CompterJour(s, partie.Fin, coups, partie.Jour, aujourdhui);
    switch (partie.Fin) {
    case FinDePartie::Gagnee:
        ++s.Gagnees;
        if (partie.AvecIndice)
            ++s.GagneesAvecIndice;
        if (partie.Difficile)
            ++s.GagneesDifficiles;
        if (partie.Secondes >= 0) {
            s.MeilleurTemps
                = s.VictoiresChronometrees == 0 ? partie.Secondes : std::min(s.MeilleurTemps, Compte{partie.Secondes});
            ++s.VictoiresChronometrees;
            s.TempsDesVictoires += partie.Secondes;
        }
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

bool DernierJourFutur(const Statistiques& s, std::int32_t aujourdhui)
{
    return aujourdhui > 0 && s.DernierJour > aujourdhui;
}

void Compter(Statistiques& s, FinDePartie fin, int coups, bool avecIndice, std::int32_t jour, std::int32_t aujourdhui)
{
    Compter(s, PartieTerminee{fin, coups, avecIndice, jour}, aujourdhui);
}

void Compter(Statistiques& s, const PartieTerminee& partie, std::int32_t aujourdhui)
{
    Statistiques apres = s;
    Ajouter(apres, partie, aujourdhui);
    const auto figures = {apres.Gagnees,        apres.Perdues,           apres.Abandonnees, apres.GagneesAvecIndice,
                          apres.MeilleureSerie, apres.CoupsDesVictoires, apres.JoursJoues,  apres.TempsDesVictoires};
    const bool tenu = std::all_of(figures.begin(), figures.end(), [](Compte n) { return n <= CompteMax; })
        && std::all_of(apres.VictoiresParCoups.begin(), apres.VictoiresParCoups.end(),
                       [](Compte n) { return n <= CompteMax; });
    if (tenu)
        s = apres;
    // A time the record cannot add up does not cost the game.
    else if (partie.Secondes >= 0)
        Compter(s, PartieTerminee{partie.Fin, partie.Coups, partie.AvecIndice, partie.Jour, partie.Difficile},
                aujourdhui);
}

Compte SerieDeJoursAu(const Statistiques& s, std::int32_t aujourdhui)
{
    const auto dernier = static_cast<std::int32_t>(s.DernierJour);
    return dernier == aujourdhui || Lendemain(dernier) == aujourdhui ? s.SerieDeJours : 0;
}

std::string MoyenneDesCoups(const Statistiques& s)
{
    if (s.Gagnees == 0)
        return "0";
    // Tenths, rounded half up, in whole numbers: no locale, no binary fraction.
    const Compte dixiemes = (20 * s.CoupsDesVictoires + s.Gagnees) / (2 * s.Gagnees);
    return std::to_string(dixiemes / 10) + "," + std::to_string(dixiemes % 10);
}

Compte TempsMoyen(const Statistiques& s)
{
    if (s.VictoiresChronometrees == 0)
        return 0;
    return (2 * s.TempsDesVictoires + s.VictoiresChronometrees) / (2 * s.VictoiresChronometrees);
}

}  // namespace vorlinde
