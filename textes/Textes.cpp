// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Textes.h"

#include <initializer_list>
#include <string_view>
#include <vector>

namespace vorlinde::textes {

std::string TextePerdu(const Code4& codeSecret)
{
    return "Vous avez perdu ! Vous avez dépasser le nombre maximum de coups possible. "
           "Le code était : "
        + TexteCode(codeSecret) + " .";
}

std::string TexteGagne(int nbCoups)
{
    return "Bravo ! Vous avez gagné ! Au bout de " + std::to_string(nbCoups) + " coup(s).";
}

}  // namespace vorlinde::textes

namespace vorlinde::textes {
namespace {

// `modele` with %1, %2... replaced by `valeurs`, in one pass: a value that
// holds "%2" stays as it is.
std::string Remplir(std::string_view modele, std::initializer_list<std::string> valeurs)
{
    const std::vector<std::string> v(valeurs);
    std::string texte;
    for (std::size_t i = 0; i < modele.size(); ++i) {
        const bool marque = modele[i] == '%' && i + 1 < modele.size() && modele[i + 1] >= '1'
            && static_cast<std::size_t>(modele[i + 1] - '1') < v.size();
        if (marque)
            texte += v[static_cast<std::size_t>(modele[++i] - '1')];
        else
            texte += modele[i];
    }
    return texte;
}

std::string Chiffres(long n)
{
    return std::to_string(n);
}

}  // namespace

std::string Nombre(long n, const Mot& mot)
{
    return Chiffres(n) + " " + Selon(n, mot.Singulier, mot.Pluriel);
}

std::string TexteDate(std::int32_t date)
{
    // Digit by digit: no call the package's hardening would have to check.
    const auto deux = [](std::int32_t n) {
        return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
    };
    return deux(date % 100) + "/" + deux(date / 100 % 100) + "/" + std::to_string(date / 10000);
}

std::string TexteOrigine(const OriginePartie& origine)
{
    switch (origine.Sorte) {
    case SortePartie::Numerotee:
        return Remplir(OrigineNumero, {Chiffres(origine.Numero)});
    case SortePartie::DuJour:
        return Remplir(OrigineJour, {TexteDate(origine.Numero)});
    case SortePartie::ADeux:
        return OrigineADeux;
    case SortePartie::Chargee:
        break;
    }
    return OrigineChargee;
}

std::string TexteDesignation(const Partie& partie)
{
    const auto origine = TexteOrigine(partie.Origine);
    return partie.Difficile ? Remplir(EnModeDifficile, {origine}) : origine;
}

std::string TexteDuree(std::int64_t secondes)
{
    const auto deuxChiffres = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (secondes < 60)
        return Remplir(DureeSecondes, {std::to_string(secondes)});
    if (secondes < 3600)
        return Remplir(DureeMinutes, {std::to_string(secondes / 60), deuxChiffres(secondes % 60)});
    return Remplir(DureeHeures,
                   {Chiffres(secondes / 3600), deuxChiffres(secondes / 60 % 60), deuxChiffres(secondes % 60)});
}

std::string TexteEnTeteAnalyse(const Partie& partie)
{
    const auto designation = TexteDesignation(partie);
    if (partie.NbCoups < 1)
        return designation;
    return Remplir(AvecTemps, {designation, TexteDuree(Secondes(partie.Duree))});
}

std::string TexteAPartager(const Partie& partie)
{
    std::string texte = Remplir(EnTetePartage, {TexteDesignation(partie)}) + "\n";
    const auto coups = Chiffres(partie.NbCoups);
    switch (Issue(partie)) {
    case IssuePartie::Gagnee:
        texte += Remplir(PartageGagnee, {coups});
        break;
    case IssuePartie::Perdue:
        texte += Remplir(PartagePerdue, {coups});
        break;
    case IssuePartie::EnCours:
        texte += Remplir(PartageEnCours, {coups});
        break;
    }
    texte += "\n";
    if (partie.NbCoups >= 1)
        texte += Remplir(PartageTemps, {TexteDuree(Secondes(partie.Duree))}) + "\n";
    int numero = 0;
    for (const auto& coup : CoupsJoues(partie)) {
        std::string symboles;
        for (int k = 0; k < coup.BiPl; ++k)
            symboles += "●";
        for (int k = 0; k < coup.MalPl; ++k)
            symboles += "○";
        texte += Chiffres(++numero) + " : " + (symboles.empty() ? std::string(PartageSansScore) : symboles) + "\n";
    }
    return texte;
}

std::string TexteVerification(const Verification& v)
{
    switch (v.Resultat) {
    case Verification::Etat::Incomplet:
        return CodeAComposer;
    case Verification::Etat::Exclu:
        return Remplir(
            CodeExclu,
            {Chiffres(v.Coup), Chiffres(v.BiPlAvecLui), Chiffres(v.MalPlAvecLui), Chiffres(v.BiPl), Chiffres(v.MalPl)});
    case Verification::Etat::Possible:
        break;
    }
    if (v.Autres == 0)
        return CodeSeulPossible;
    return Remplir(Selon(v.Autres, CodePossibleUnAutre, CodePossibleAutres), {Chiffres(v.Autres)});
}

}  // namespace vorlinde::textes
