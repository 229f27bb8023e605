// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FichierStatistiques.h"

#include <cctype>
#include <map>
#include <numeric>
#include <vector>

#include "game/Sortes.h"
#include "platform/Verrou.h"

namespace vorlinde {
namespace {

constexpr std::size_t TailleMaxStatistiques = 64 * 1024;
// Far above any record of real play: a record past it is damaged.
constexpr long ValeurMax = CompteMax;

// The figures by their names in the file, the counts of wins apart: those of
// the first version, then the days of the second.
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

std::optional<Statistiques> LireTexteStatistiques(std::string_view texte, bool& plusRecent)
{
    // A newer version may write anything after its version, which comes first.
    {
        Lecteur entete(texte);
        std::string nom;
        long version = 0;
        plusRecent = entete.Signe('{') && entete.Nom(nom) && nom == "version" && entete.Signe(':')
            && entete.Nombre(version) && version > VersionStatistiques;
        if (plusRecent)
            return std::nullopt;
    }
    Lecteur lecteur(texte);
    Statistiques s;
    const auto champs = Champs();
    std::map<std::string, bool> vus;
    long version = -1;
    // Every field of this version is known; which of them must be there
    // depends on the version the file gives.
    if (!lecteur.Signe('{'))
        return std::nullopt;
    do {
        std::string nom;
        long valeur = 0;
        if (!lecteur.Nom(nom) || !lecteur.Signe(':') || vus[nom])
            return std::nullopt;
        vus[nom] = true;
        if (nom == CleVictoires) {
            if (!lecteur.Signe('['))
                return std::nullopt;
            for (int k = 0; k < ColonnesCoups; ++k) {
                if ((k > 0 && !lecteur.Signe(',')) || !lecteur.Nombre(valeur))
                    return std::nullopt;
                s.VictoiresParCoups[k] = valeur;
            }
            if (!lecteur.Signe(']'))
                return std::nullopt;
        } else if (!lecteur.Nombre(valeur)) {
            return std::nullopt;
        } else if (nom == "version") {
            version = valeur;
        } else if (const auto champ = champs.find(nom); champ != champs.end()) {
            s.*(champ->second) = valeur;
        } else {
            return std::nullopt;
        }
    } while (lecteur.Signe(','));
    if (!lecteur.Signe('}') || !lecteur.Fini() || version < 1 || version > VersionStatistiques)
        return std::nullopt;
    // Every figure of its version is there, and none of a later one.
    const auto attendus = Champs(version);
    for (const auto& [nom, champ] : champs)
        if (nom != "version" && vus[nom] != (attendus.count(nom) > 0))
            return std::nullopt;
    // The wins agree with their counts by guesses, the runs with their totals.
    const Compte parCoups = std::accumulate(s.VictoiresParCoups.begin(), s.VictoiresParCoups.end(), Compte{0});
    if (!vus[CleVictoires] || parCoups != s.Gagnees || s.GagneesAvecIndice > s.Gagnees
        || s.SerieEnCours > s.MeilleureSerie || s.MeilleureSerie > s.Gagnees)
        return std::nullopt;
    const bool unJour = s.JoursJoues > 0;
    if (s.SerieDeJours > s.MeilleureSerieDeJours || s.MeilleureSerieDeJours > s.JoursJoues
        || unJour != (s.DernierJour != 0) || (unJour && !DateValide(static_cast<std::int32_t>(s.DernierJour)))
        || s.IssueDernierJour > 3 || unJour != (s.IssueDernierJour != 0) || (unJour && s.SerieDeJours == 0))
        return std::nullopt;
    return s;
}

ResultatStatistiques MettreAJourStatistiques(const std::filesystem::path& fichier,
                                             const std::function<void(Statistiques&)>& changer)
{
    ResultatStatistiques resultat;
    // The folder is locked as a whole through a file of its own: the record
    // itself is replaced by a rename, which a lock on it would not follow.
    const Verrou verrou(fichier.parent_path() / ".statistiques.lock", Verrou::Attente::UneSeconde);
    // Without the lock, a change could be lost to another window's: nothing
    // is changed.
    if (changer && verrou.Erreur() != ErreurFichier::Aucune) {
        resultat.Ecriture = verrou.Erreur();
        resultat.Occupees = verrou.Erreur() == ErreurFichier::Illisible;
        return resultat;
    }
    if (Existe(fichier)) {
        std::vector<std::uint8_t> octets;
        bool plusRecent = false;
        std::optional<Statistiques> lues;
        if (LireDebutFichier(fichier, TailleMaxStatistiques + 1, octets) == ErreurFichier::Aucune
            && octets.size() <= TailleMaxStatistiques)
            lues = LireTexteStatistiques(std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()),
                                         plusRecent);
        if (plusRecent) {
            resultat.Etat = EtatStatistiques::PlusRecentes;
            return resultat;
        }
        if (lues) {
            resultat.Figures = *lues;
            resultat.Etat = EtatStatistiques::Lues;
        } else {
            resultat.Etat = EtatStatistiques::Abimees;
            resultat.MisDeCote = MettreDeCote(fichier, fichier.parent_path(), fichier.stem().string(), ".json");
        }
    }
    if (changer) {
        changer(resultat.Figures);
        const std::string texte = TexteStatistiques(resultat.Figures);
        resultat.Ecriture
            = RemplacerFichier(fichier, std::span(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()));
    }
    return resultat;
}

}  // namespace vorlinde
