// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Sortes.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <set>

#include "Aleatoire.h"
#include "Solveur.h"

namespace vorlinde {

std::int32_t TirerNumero(const SourceAleatoire& aleatoire)
{
    const auto n = static_cast<std::int32_t>(std::floor(aleatoire() * NumeroMax)) + 1;
    return std::clamp(n, std::int32_t{1}, NumeroMax);
}

Code4 CodeNumerote(std::int32_t numero)
{
    Aleatoire aleatoire(static_cast<std::uint64_t>(numero));
    return TirerCodeSecret(std::ref(aleatoire));
}

namespace {

std::chrono::year_month_day Jour(std::int32_t date)
{
    return std::chrono::year_month_day{std::chrono::year(date / 10000),
                                       std::chrono::month(static_cast<unsigned>(date / 100 % 100)),
                                       std::chrono::day(static_cast<unsigned>(date % 100))};
}

}  // namespace

bool DateValide(std::int32_t date)
{
    return date >= 10000101 && date <= 99991231 && Jour(date).ok();
}

std::int32_t Lendemain(std::int32_t date)
{
    if (!DateValide(date))
        return 0;
    const std::chrono::year_month_day suivant{std::chrono::sys_days(Jour(date)) + std::chrono::days(1)};
    return static_cast<std::int32_t>(int(suivant.year()) * 10000 + unsigned(suivant.month()) * 100
                                     + unsigned(suivant.day()));
}

std::string EcrireOrigine(const OriginePartie& origine)
{
    switch (origine.Sorte) {
    case SortePartie::Numerotee:
        return "numerotee " + std::to_string(origine.Numero) + "\n";
    case SortePartie::DuJour:
        return "jour " + std::to_string(origine.Numero) + "\n";
    case SortePartie::ADeux:
        return "deux\n";
    case SortePartie::Chargee:
        break;
    }
    return {};
}

OriginePartie LireOrigine(std::string_view texte)
{
    if (!texte.empty() && texte.back() == '\n')
        texte.remove_suffix(1);
    if (texte == "deux")
        return {SortePartie::ADeux, 0};
    const auto nombre = [&](std::string_view prefixe) -> std::int32_t {
        if (!texte.starts_with(prefixe))
            return 0;
        std::int32_t n = 0;
        const auto* fin = texte.data() + texte.size();
        const auto [ou, erreur] = std::from_chars(texte.data() + prefixe.size(), fin, n);
        return erreur == std::errc() && ou == fin ? n : 0;
    };
    if (const auto n = nombre("numerotee "); n >= 1 && n <= NumeroMax)
        return {SortePartie::Numerotee, n};
    if (const auto date = nombre("jour "); DateValide(date))
        return {SortePartie::DuJour, date};
    return {};
}

namespace {

// The milliseconds of a line "temps <ms>"; -1 for any other line.
std::int64_t Temps(std::string_view ligne)
{
    constexpr std::string_view prefixe = "temps ";
    std::int64_t duree = -1;
    if (!ligne.starts_with(prefixe))
        return -1;
    const auto* fin = ligne.data() + ligne.size();
    const auto [ou, erreur] = std::from_chars(ligne.data() + prefixe.size(), fin, duree);
    return erreur == std::errc() && ou == fin && duree >= 0 ? duree : -1;
}

}  // namespace

std::string EcrireSorte(const Partie& partie)
{
    return EcrireOrigine(partie.Origine) + (partie.Difficile ? "difficile\n" : "")
        + (partie.Duree > 0 ? "temps " + std::to_string(partie.Duree) + "\n" : "");
}

SorteGardee LireSorte(std::string_view texte)
{
    SorteGardee sorte;
    bool premiere = true;
    while (!texte.empty()) {
        const auto fin = std::min(texte.find('\n'), texte.size());
        const auto ligne = texte.substr(0, fin);
        texte.remove_prefix(std::min(fin + 1, texte.size()));
        if (ligne == "difficile")
            sorte.Difficile = true;
        else if (const auto duree = Temps(ligne); duree >= 0)
            sorte.Duree = duree;
        else if (premiere)
            sorte.Origine = LireOrigine(ligne);
        premiere = false;
    }
    return sorte;
}

Verification VerifierCode(const Partie& partie)
{
    Verification v;
    const auto& code = partie.CasesCode;
    if (std::any_of(code.begin(), code.end(), [](std::int16_t c) { return c < 1 || c > NbCouleurs; })
        || std::set<std::int16_t>(code.begin(), code.end()).size() != LongueurCode)
        return v;
    const auto coups = CoupsJoues(partie);
    vorlinde::Coup avecLui;
    if (const int k = CoupQuiExclut(partie, code, avecLui); k != 0) {
        v.Resultat = Verification::Etat::Exclu;
        v.Coup = k;
        v.BiPlAvecLui = avecLui.BiPl;
        v.MalPlAvecLui = avecLui.MalPl;
        v.BiPl = coups[k - 1].BiPl;
        v.MalPl = coups[k - 1].MalPl;
        return v;
    }
    v.Resultat = Verification::Etat::Possible;
    v.Autres = static_cast<int>(CodesPossibles(coups).size()) - 1;
    return v;
}

}  // namespace vorlinde
