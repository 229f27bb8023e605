// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierHistorique.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <span>

#include "game/Sortes.h"
#include "platform/Verrou.h"

namespace vorlinde {

namespace {

const char* const NomHistorique = "parties-jouees.txt";
constexpr std::string_view Entete = "parties 1\n";
// The most a history of PartiesJoueesMax games of a hundred moves takes,
// with room for the longest numbers: a larger file is not one of ours.
constexpr std::size_t TailleMaxHistorique = 8 * 1024 * 1024;

const char* NomSorte(SortePartie sorte)
{
    switch (sorte) {
    case SortePartie::Numerotee:
        return "numerotee";
    case SortePartie::DuJour:
        return "jour";
    case SortePartie::ADeux:
        return "deux";
    case SortePartie::Chargee:
        break;
    }
    return "chargee";
}

// The words of a line, split at single spaces.
std::vector<std::string_view> Mots(std::string_view ligne)
{
    std::vector<std::string_view> mots;
    while (true) {
        const auto espace = ligne.find(' ');
        mots.push_back(ligne.substr(0, espace));
        if (espace == std::string_view::npos)
            return mots;
        ligne.remove_prefix(espace + 1);
    }
}

bool Nombre(std::string_view mot, std::int64_t& n)
{
    const auto* fin = mot.data() + mot.size();
    const auto [ou, erreur] = std::from_chars(mot.data(), fin, n);
    return !mot.empty() && erreur == std::errc() && ou == fin;
}

// Four different colour numbers written as digits.
bool Code(std::string_view mot, std::array<char, LongueurCode>& code)
{
    if (mot.size() != LongueurCode || std::set<char>(mot.begin(), mot.end()).size() != LongueurCode)
        return false;
    for (int k = 0; k < LongueurCode; ++k) {
        if (mot[k] < '1' || mot[k] > '0' + NbCouleurs)
            return false;
        code[k] = mot[k];
    }
    return true;
}

std::optional<PartieJouee> LireLigne(std::string_view ligne)
{
    const auto mots = Mots(ligne);
    PartieJouee p;
    std::int64_t numero = 0, fin = 0, difficile = 0;
    std::array<char, LongueurCode> secret{};
    if (mots.size() != 8 || !Nombre(mots[0], p.Quand) || p.Quand < 0 || !Nombre(mots[2], numero)
        || !Nombre(mots[3], fin) || fin < 0 || fin > 2 || !Nombre(mots[4], difficile) || difficile < 0 || difficile > 1
        || !Nombre(mots[5], p.Secondes) || p.Secondes < -1 || !Code(mots[6], secret))
        return std::nullopt;
    const std::string sorte(mots[1]);
    if (sorte == "chargee" || sorte == "deux") {
        if (numero != 0)
            return std::nullopt;
        p.Origine.Sorte = sorte == "deux" ? SortePartie::ADeux : SortePartie::Chargee;
    } else {
        p.Origine = LireOrigine(sorte + " " + std::to_string(numero));
        if (p.Origine.Sorte == SortePartie::Chargee)
            return std::nullopt;
    }
    p.Fin = static_cast<FinDePartie>(fin);
    p.Difficile = difficile == 1;
    for (int k = 0; k < LongueurCode; ++k)
        p.CodeSecret[k] = static_cast<std::int16_t>(secret[k] - '0');
    if (mots[7] != "-") {
        std::string_view coups = mots[7];
        while (true) {
            const auto virgule = coups.find(',');
            std::array<char, LongueurCode> coup{};
            if (!Code(coups.substr(0, virgule), coup) || p.Coups.size() >= MaxCoups)
                return std::nullopt;
            p.Coups.push_back(coup);
            if (virgule == std::string_view::npos)
                break;
            coups.remove_prefix(virgule + 1);
        }
    }
    return p;
}

std::span<const std::uint8_t> Octets(std::string_view texte)
{
    return {reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()};
}

}  // namespace

PartieJouee PartieTermineeA(const Partie& partie, FinDePartie fin, std::int64_t quand)
{
    PartieJouee p;
    p.Quand = quand;
    p.Origine = partie.Origine;
    p.Fin = fin;
    p.Difficile = partie.Difficile;
    p.Secondes = Secondes(partie.Duree);
    p.CodeSecret = partie.CodeSecret;
    for (const auto& coup : CoupsJoues(partie))
        p.Coups.push_back(coup.Code);
    return p;
}

Partie EtatDe(const PartieJouee& jouee)
{
    Partie partie;
    PartieSauvee sauvee;
    sauvee.CodeSecret = jouee.CodeSecret;
    sauvee.Coups = jouee.Coups;
    ChargerPartie(partie, sauvee, 0, jouee.Origine, jouee.Difficile, std::max<std::int64_t>(jouee.Secondes, 0) * 1000);
    return partie;
}

std::string TexteHistorique(const std::vector<PartieJouee>& parties)
{
    std::string texte(Entete);
    for (const auto& p : parties) {
        texte += std::to_string(p.Quand) + " " + NomSorte(p.Origine.Sorte) + " " + std::to_string(p.Origine.Numero)
            + " " + std::to_string(static_cast<int>(p.Fin)) + " " + (p.Difficile ? "1" : "0") + " "
            + std::to_string(p.Secondes) + " " + TexteCode(p.CodeSecret) + " ";
        if (p.Coups.empty())
            texte += "-";
        for (std::size_t k = 0; k < p.Coups.size(); ++k)
            texte += (k ? "," : "") + std::string(p.Coups[k].begin(), p.Coups[k].end());
        texte += "\n";
    }
    return texte;
}

bool LireTexteHistorique(std::string_view texte, std::vector<PartieJouee>& parties)
{
    parties.clear();
    if (!texte.starts_with(Entete))
        return false;
    texte.remove_prefix(Entete.size());
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        if (fin == std::string_view::npos)
            return false;
        auto partie = LireLigne(texte.substr(0, fin));
        if (!partie)
            return false;
        parties.push_back(std::move(*partie));
        texte.remove_prefix(fin + 1);
    }
    return true;
}

ResultatHistorique LireHistorique(const Repertoire& dossier)
{
    ResultatHistorique resultat;
    if (!dossier.Ouvert() || !dossier.Existe(NomHistorique))
        return resultat;
    std::vector<std::uint8_t> octets;
    // A link, or a file that is not the user's, is never read nor written
    // through: someone else may have put it there.
    if (dossier.FichierASoi(NomHistorique)
        && dossier.Lire(NomHistorique, TailleMaxHistorique + 1, octets) == ErreurFichier::Aucune
        && octets.size() <= TailleMaxHistorique
        && LireTexteHistorique(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()),
                               resultat.Parties)) {
        resultat.Etat = EtatHistorique::Lu;
        return resultat;
    }
    resultat.Parties.clear();
    resultat.Etat = EtatHistorique::Abime;
    resultat.MisDeCote = dossier.MettreDeCote(NomHistorique, dossier, "parties-jouees", ".txt");
    return resultat;
}

ResultatHistorique AjouterAHistorique(const Repertoire& dossier, const PartieJouee& partie, std::size_t maximum)
{
    if (!dossier.Ouvert()) {
        ResultatHistorique resultat;
        resultat.Ecriture = dossier.Erreur() == ErreurFichier::Aucune ? ErreurFichier::Ecriture : dossier.Erreur();
        return resultat;
    }
    const Verrou verrou(dossier.Fd(), ".parties-jouees.lock", Verrou::Attente::UneSeconde);
    if (verrou.Erreur() != ErreurFichier::Aucune) {
        ResultatHistorique resultat;
        resultat.Ecriture = verrou.Erreur();
        return resultat;
    }
    auto resultat = LireHistorique(dossier);
    if (resultat.Etat == EtatHistorique::Abime && resultat.MisDeCote.empty()) {
        resultat.Ecriture = ErreurFichier::Ecriture;
        return resultat;
    }
    resultat.Parties.push_back(partie);
    if (resultat.Parties.size() > maximum)
        resultat.Parties.erase(resultat.Parties.begin(),
                               resultat.Parties.begin()
                                   + static_cast<std::ptrdiff_t>(resultat.Parties.size() - maximum));
    resultat.Ecriture = dossier.Remplacer(NomHistorique, Octets(TexteHistorique(resultat.Parties)));
    return resultat;
}

}  // namespace vorlinde
