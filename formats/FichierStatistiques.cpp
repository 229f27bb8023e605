// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierStatistiques.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <numeric>
#include <vector>

#include "game/Partie.h"
#include "game/Sortes.h"
#include "platform/Verrou.h"

namespace vorlinde {
namespace {

constexpr std::size_t TailleMaxStatistiques = 64 * 1024;
// Far above any record of real play: a record past it is damaged.
constexpr long ValeurMax = CompteMax;

// The figures by their names in the file, the counts of wins apart: those of
// the first version, then the days of the second, the hard mode of the third.
std::map<std::string, Compte Statistiques::*> Champs(long version = VersionStatistiques)
{
    std::map<std::string, Compte Statistiques::*> champs{{"gagnees", &Statistiques::Gagnees},
                                                         {"perdues", &Statistiques::Perdues},
                                                         {"abandonnees", &Statistiques::Abandonnees},
                                                         {"gagnees_avec_indice", &Statistiques::GagneesAvecIndice},
                                                         {"serie_en_cours", &Statistiques::SerieEnCours},
                                                         {"meilleure_serie", &Statistiques::MeilleureSerie},
                                                         {"coups_des_victoires", &Statistiques::CoupsDesVictoires},
                                                         {"meilleure_partie", &Statistiques::MeilleurePartie}};
    if (version >= 2)
        champs.insert({{"jours_joues", &Statistiques::JoursJoues},
                       {"serie_de_jours", &Statistiques::SerieDeJours},
                       {"meilleure_serie_de_jours", &Statistiques::MeilleureSerieDeJours},
                       {"dernier_jour", &Statistiques::DernierJour},
                       {"issue_du_dernier_jour", &Statistiques::IssueDernierJour},
                       {"coups_du_dernier_jour", &Statistiques::CoupsDernierJour}});
    if (version >= 3)
        champs.insert({{"gagnees_difficiles", &Statistiques::GagneesDifficiles},
                       {"victoires_chronometrees", &Statistiques::VictoiresChronometrees},
                       {"temps_des_victoires", &Statistiques::TempsDesVictoires},
                       {"meilleur_temps", &Statistiques::MeilleurTemps}});
    return champs;
}

const char* const CleVictoires = "victoires_par_coups";

// A reader of the one object this file holds: names, whole numbers from 0,
// one list of whole numbers.
class Lecteur {
public:
    explicit Lecteur(std::string_view texte) : texte_(texte) { }

    bool Signe(char c)
    {
        Blancs();
        if (pos_ < texte_.size() && texte_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool Nom(std::string& nom)
    {
        if (!Signe('"'))
            return false;
        const auto fin = texte_.find('"', pos_);
        if (fin == std::string_view::npos)
            return false;
        nom = std::string(texte_.substr(pos_, fin - pos_));
        pos_ = fin + 1;
        return true;
    }
    bool Nombre(long& valeur)
    {
        Blancs();
        const auto debut = pos_;
        valeur = 0;
        while (pos_ < texte_.size() && std::isdigit(static_cast<unsigned char>(texte_[pos_])) && valeur <= ValeurMax)
            valeur = valeur * 10 + (texte_[pos_++] - '0');
        return pos_ > debut && valeur <= ValeurMax;
    }
    bool Fini()
    {
        Blancs();
        return pos_ == texte_.size();
    }

private:
    void Blancs()
    {
        while (pos_ < texte_.size() && std::isspace(static_cast<unsigned char>(texte_[pos_])))
            ++pos_;
    }

    std::string_view texte_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string TexteStatistiques(const Statistiques& s)
{
    std::string texte = "{\n  \"version\": " + std::to_string(VersionStatistiques);
    for (const auto& [nom, champ] : Champs())
        texte += ",\n  \"" + nom + "\": " + std::to_string(s.*champ);
    texte += ",\n  \"" + std::string(CleVictoires) + "\": [";
    for (int k = 0; k < ColonnesCoups; ++k)
        texte += (k ? ", " : "") + std::to_string(s.VictoiresParCoups[k]);
    return texte + "]\n}\n";
}

namespace {

// A newer version may write anything after its version, which comes first.
bool PlusRecent(std::string_view texte)
{
    Lecteur entete(texte);
    std::string nom;
    long version = 0;
    return entete.Signe('{') && entete.Nom(nom) && nom == "version" && entete.Signe(':') && entete.Nombre(version)
        && version > VersionStatistiques;
}

// Every field of this version is known; `vus` says which were there, and
// `version` what the file gives. False for a text that is not the record's.
bool LireChamps(std::string_view texte, Statistiques& s, std::map<std::string, bool>& vus, long& version)
{
    Lecteur lecteur(texte);
    const auto champs = Champs();
    if (!lecteur.Signe('{'))
        return false;
    do {
        std::string nom;
        long valeur = 0;
        if (!lecteur.Nom(nom) || !lecteur.Signe(':') || vus[nom])
            return false;
        vus[nom] = true;
        if (nom == CleVictoires) {
            if (!lecteur.Signe('['))
                return false;
            for (int k = 0; k < ColonnesCoups; ++k) {
                if ((k > 0 && !lecteur.Signe(',')) || !lecteur.Nombre(valeur))
                    return false;
                s.VictoiresParCoups[k] = valeur;
            }
            if (!lecteur.Signe(']'))
                return false;
        } else if (!lecteur.Nombre(valeur)) {
            return false;
        } else if (nom == "version") {
            version = valeur;
        } else if (const auto champ = champs.find(nom); champ != champs.end()) {
            s.*(champ->second) = valeur;
        } else {
            return false;
        }
    } while (lecteur.Signe(','));
    return lecteur.Signe('}') && lecteur.Fini();
}

// The wins agree with their counts by guesses, the runs with their totals,
// the guesses of the wins lie between what their columns allow, and the
// best game is the first column that holds one.
bool VictoiresCoherentes(const Statistiques& s)
{
    const Compte parCoups = std::accumulate(s.VictoiresParCoups.begin(), s.VictoiresParCoups.end(), Compte{0});
    if (parCoups != s.Gagnees || s.GagneesAvecIndice > s.Gagnees || s.GagneesDifficiles > s.Gagnees
        || s.VictoiresChronometrees > s.Gagnees || s.MeilleurTemps * s.VictoiresChronometrees > s.TempsDesVictoires
        || (s.VictoiresChronometrees == 0 && (s.TempsDesVictoires != 0 || s.MeilleurTemps != 0))
        || s.SerieEnCours > s.MeilleureSerie || s.MeilleureSerie > s.Gagnees)
        return false;
    Compte moins = 0;
    for (int k = 0; k + 1 < ColonnesCoups; ++k)
        moins += (k + 1) * s.VictoiresParCoups[k];
    const Compte audela = s.VictoiresParCoups[ColonnesCoups - 1];
    if (s.CoupsDesVictoires < moins + ColonnesCoups * audela || s.CoupsDesVictoires > moins + MaxCoups * audela)
        return false;
    const auto premiere
        = std::find_if(s.VictoiresParCoups.begin(), s.VictoiresParCoups.end(), [](Compte n) { return n > 0; });
    const Compte meilleure = premiere == s.VictoiresParCoups.end() ? 0 : premiere - s.VictoiresParCoups.begin() + 1;
    return meilleure < ColonnesCoups ? s.MeilleurePartie == meilleure
                                     : s.MeilleurePartie >= ColonnesCoups && s.MeilleurePartie <= MaxCoups;
}

bool JoursCoherents(const Statistiques& s)
{
    const bool unJour = s.JoursJoues > 0;
    return s.SerieDeJours <= s.MeilleureSerieDeJours && s.MeilleureSerieDeJours <= s.JoursJoues
        && unJour == (s.DernierJour != 0) && (!unJour || DateValide(static_cast<std::int32_t>(s.DernierJour)))
        && s.IssueDernierJour <= 3 && s.CoupsDernierJour <= MaxCoups && unJour == (s.IssueDernierJour != 0)
        && (!unJour || s.SerieDeJours != 0);
}

}  // namespace

std::optional<Statistiques> LireTexteStatistiques(std::string_view texte, bool& plusRecent)
{
    plusRecent = PlusRecent(texte);
    if (plusRecent)
        return std::nullopt;
    Statistiques s;
    std::map<std::string, bool> vus;
    long version = -1;
    if (!LireChamps(texte, s, vus, version) || version < 1 || version > VersionStatistiques)
        return std::nullopt;
    // Every figure of its version is there, and none of a later one.
    const auto attendus = Champs(version);
    for (const auto& [nom, champ] : Champs())
        if (nom != "version" && vus[nom] != (attendus.count(nom) > 0))
            return std::nullopt;
    if (!vus[CleVictoires] || !VictoiresCoherentes(s) || !JoursCoherents(s))
        return std::nullopt;
    return s;
}

std::string TexteEnAttente(const std::vector<FinEnAttente>& fins, std::string_view releve)
{
    std::string texte = "comptes 1\n";
    for (const auto& fin : fins)
        texte += std::to_string(static_cast<int>(fin.Fin)) + " " + std::to_string(fin.Coups) + " "
            + (fin.AvecIndice ? "1" : "0") + " " + std::to_string(fin.Jour) + (fin.Difficile ? " 1 " : " 0 ")
            + std::to_string(fin.Secondes) + "\n";
    if (!releve.empty())
        texte += "releve\n" + std::string(releve);
    return texte;
}

bool LireTexteEnAttente(std::string_view texte, std::vector<FinEnAttente>& fins, std::string& releve)
{
    fins.clear();
    releve.clear();
    constexpr std::string_view entete = "comptes 1\n";
    if (texte.substr(0, entete.size()) != entete)
        return false;
    texte.remove_prefix(entete.size());
    while (!texte.empty()) {
        const auto fin = texte.find('\n');
        if (fin == std::string_view::npos)
            return false;
        const auto ligne = texte.substr(0, fin);
        texte.remove_prefix(fin + 1);
        if (ligne == "releve") {
            releve = std::string(texte);
            return true;
        }
        Lecteur lecteur(ligne);
        long issue = 0, coups = 0, indice = 0, jour = 0, difficile = 0, secondes = -1;
        if (!lecteur.Nombre(issue) || !lecteur.Nombre(coups) || !lecteur.Nombre(indice) || !lecteur.Nombre(jour))
            return false;
        // A line written before hard mode and times has neither; a time not
        // known is written -1.
        if (!lecteur.Fini()
            && (!lecteur.Nombre(difficile) || !(lecteur.Signe('-') ? lecteur.Signe('1') : lecteur.Nombre(secondes))
                || !lecteur.Fini()))
            return false;
        if (issue > 2 || coups > MaxCoups || indice > 1 || difficile > 1
            || (jour != 0 && !DateValide(static_cast<std::int32_t>(jour))))
            return false;
        fins.push_back({static_cast<FinDePartie>(issue), static_cast<int>(coups), indice == 1,
                        static_cast<std::int32_t>(jour), difficile == 1, secondes});
    }
    return true;
}

namespace {

const char* const NomReleve = "statistiques.json";
constexpr std::size_t TailleMaxEnAttente = 64 * 1024;

std::span<const std::uint8_t> Octets(std::string_view texte)
{
    return {reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()};
}

bool LireEnAttente(const Repertoire& dossier, const std::string& nom, std::vector<FinEnAttente>& fins,
                   std::string& releve)
{
    std::vector<std::uint8_t> octets;
    return dossier.Lire(nom, TailleMaxEnAttente, octets) == ErreurFichier::Aucune
        && LireTexteEnAttente(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()), fins,
                              releve);
}

}  // namespace

ErreurFichier AjouterEnAttente(const Repertoire& dossier, const std::string& nom,
                               const std::vector<FinEnAttente>& nouvelles)
{
    std::vector<FinEnAttente> fins;
    std::string releve;
    if (dossier.Existe(nom))
        LireEnAttente(dossier, nom, fins, releve);
    fins.insert(fins.end(), nouvelles.begin(), nouvelles.end());
    return dossier.Remplacer(nom, Octets(TexteEnAttente(fins)));
}

namespace {

// The record as it stands in `dossier`; `octets` get its bytes.
void LireReleve(const Repertoire& dossier, ResultatStatistiques& resultat, std::vector<std::uint8_t>& octets)
{
    octets.clear();
    if (!dossier.Existe(NomReleve))
        return;
    bool plusRecent = false;
    std::optional<Statistiques> lues;
    // A link, or a file that is not the user's, is never read nor written
    // through: someone else may have put it there.
    if (dossier.FichierASoi(NomReleve)
        && dossier.Lire(NomReleve, TailleMaxStatistiques + 1, octets) == ErreurFichier::Aucune
        && octets.size() <= TailleMaxStatistiques)
        lues = LireTexteStatistiques(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()),
                                     plusRecent);
    if (plusRecent) {
        resultat.Etat = EtatStatistiques::PlusRecentes;
    } else if (lues) {
        resultat.Figures = *lues;
        resultat.Etat = EtatStatistiques::Lues;
    } else {
        resultat.Etat = EtatStatistiques::Abimees;
        octets.clear();
        resultat.MisDeCote = dossier.MettreDeCote(NomReleve, dossier, "statistiques", ".json");
    }
}

}  // namespace

namespace {

// The waiting games counted in `resultat`, then `changer`; the waiting files
// rewritten with the record's new text, the record written, and the files
// that were counted removed. A file that already names the record as it
// stands (`avant`) was counted by a program that ended before removing it.
void Ecrire(const Repertoire& dossier, const std::function<void(Statistiques&)>& changer,
            const ComptesEnAttente& enAttente, const std::string& avant, ResultatStatistiques& resultat)
{
    std::vector<std::pair<std::string, std::vector<FinEnAttente>>> aCompter;
    std::vector<std::string> comptes;
    for (const auto& nom : enAttente.Noms) {
        std::vector<FinEnAttente> fins;
        std::string releve;
        if (!LireEnAttente(*enAttente.Dossier, nom, fins, releve))
            continue;
        if (!releve.empty() && releve == avant) {
            comptes.push_back(nom);
            continue;
        }
        for (const auto& fin : fins)
            Compter(resultat.Figures, fin, enAttente.Aujourdhui);
        aCompter.emplace_back(nom, std::move(fins));
    }
    if (changer)
        changer(resultat.Figures);
    const std::string texte = TexteStatistiques(resultat.Figures);
    // Each waiting file first says what the record will read once it holds
    // its games.
    for (const auto& [nom, fins] : aCompter) {
        if (enAttente.Dossier->Remplacer(nom, Octets(TexteEnAttente(fins, texte))) != ErreurFichier::Aucune) {
            resultat.Ecriture = ErreurFichier::Ecriture;
            return;
        }
        comptes.push_back(nom);
    }
    resultat.Ecriture = dossier.Remplacer(NomReleve, Octets(texte));
    if (resultat.Ecriture == ErreurFichier::Aucune) {
        for (const auto& nom : comptes)
            enAttente.Dossier->Supprimer(nom);
        if (!comptes.empty())
            enAttente.Dossier->Synchroniser();
    }
}

}  // namespace

ResultatStatistiques MettreAJourStatistiques(const Repertoire& dossier,
                                             const std::function<void(Statistiques&)>& changer,
                                             const ComptesEnAttente& enAttente)
{
    ResultatStatistiques resultat;
    if (!dossier.Ouvert()) {
        resultat.Ecriture = dossier.Erreur() == ErreurFichier::Aucune ? ErreurFichier::Ecriture : dossier.Erreur();
        return resultat;
    }
    const bool ecrire = changer || !enAttente.Noms.empty();
    // The folder is locked as a whole through a file of its own: the record
    // itself is replaced by a rename, which a lock on it would not follow.
    const Verrou verrou(dossier.Fd(), ".statistiques.lock", Verrou::Attente::UneSeconde);
    // Without the lock, a change could be lost to another window's: nothing
    // is changed.
    if (ecrire && verrou.Erreur() != ErreurFichier::Aucune) {
        resultat.Ecriture = verrou.Erreur();
        resultat.Occupees = verrou.Erreur() == ErreurFichier::Illisible;
        return resultat;
    }
    std::vector<std::uint8_t> octets;
    LireReleve(dossier, resultat, octets);
    resultat.JourFutur = DernierJourFutur(resultat.Figures, enAttente.Aujourdhui);
    const bool laisse = resultat.Etat == EtatStatistiques::Abimees && resultat.MisDeCote.empty();
    if (!ecrire || resultat.Etat == EtatStatistiques::PlusRecentes || laisse) {
        if (ecrire && laisse)
            resultat.Ecriture = ErreurFichier::Ecriture;
        return resultat;
    }
    Ecrire(dossier, changer, enAttente, std::string(octets.begin(), octets.end()), resultat);
    return resultat;
}

ResultatStatistiques MettreAJourStatistiques(const std::filesystem::path& fichier,
                                             const std::function<void(Statistiques&)>& changer)
{
    // The name is the record's own wherever it stands; a test may name
    // another file in the same folder.
    const auto dossier = Repertoire::Ouvrir(fichier.parent_path(), false);
    auto resultat = MettreAJourStatistiques(dossier, changer);
    if (!resultat.MisDeCote.empty())
        resultat.MisDeCote = fichier.parent_path() / resultat.MisDeCote;
    return resultat;
}

}  // namespace vorlinde
