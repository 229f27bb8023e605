// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartiesEnCours.h"

#include <algorithm>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Fichiers.h"

namespace vorlinde {
namespace {

const char* const ExtensionPartie = ".prt";
const char* const ExtensionVerrou = ".lock";
const char* const ExtensionIndices = ".indices";
const char* const ExtensionSorte = ".sorte";
constexpr std::size_t TailleMaxSorte = 64;
const char* const NomAncienneVersion = "interrompue.prt";
const char* const NomOffre = ".offre.lock";

std::string BaseDe(const std::string& nom)
{
    const auto point = nom.rfind('.');
    return point == std::string::npos ? nom : nom.substr(0, point);
}

std::string Extension(const std::string& nom)
{
    const auto point = nom.rfind('.');
    return point == std::string::npos || point == 0 ? std::string() : nom.substr(point);
}

std::string NomDe(const PartieLaissee& partie)
{
    return partie.Chemin.filename().string();
}

// The name an earlier version's game is moved to: one that no entry has.
std::string NomLibre(const Repertoire& dossier, const std::string& base)
{
    auto nom = base + ExtensionPartie;
    for (int n = 2; (dossier.Existe(nom) || dossier.Existe(BaseDe(nom) + ExtensionVerrou)) && n < 1000; ++n)
        nom = base + "-" + std::to_string(n) + ExtensionPartie;
    return nom;
}

}  // namespace

std::filesystem::path DossierEnCours(const std::filesystem::path& dossierDonnees)
{
    return dossierDonnees.empty() ? std::filesystem::path() : dossierDonnees / "en-cours";
}

Repertoire OuvrirEnCours(const std::filesystem::path& dossierDonnees)
{
    return Repertoire::Ouvrir(dossierDonnees, true).Sous("en-cours", true);
}

PartieEnCours::PartieEnCours(const std::filesystem::path& dossierDonnees) : PartieEnCours(OuvrirEnCours(dossierDonnees))
{
}

PartieEnCours::PartieEnCours(Repertoire enCours) : dossier_(std::move(enCours))
{
    if (!dossier_.Ouvert()) {
        erreur_ = dossier_.Erreur() == ErreurFichier::Etranger ? ErreurFichier::Etranger : ErreurFichier::Ecriture;
        return;
    }
    // A process number is a running window's own; the date sets it apart
    // from a game that an ended process of the same number left.
    const auto base = "partie-" + Horodatage() + "-" + std::to_string(::getpid());
    for (int n = 1; n < 100 && !verrou_.Tenu(); ++n) {
        std::string nom = base;
        if (n > 1)
            nom.append("-").append(std::to_string(n));
        if (dossier_.Existe(nom + ExtensionPartie))
            continue;
        verrou_ = Verrou::Publier(dossier_.Fd(), nom + ExtensionVerrou);
        erreur_ = verrou_.Erreur();
        if (verrou_.Tenu())
            chemin_ = dossier_.Chemin() / (nom + ExtensionPartie);
        else if (erreur_ != ErreurFichier::Illisible)
            return;
    }
}

PartieEnCours::~PartieEnCours()
{
    if (verrou_.Tenu() && !dossier_.Existe(Base() + ExtensionPartie))
        dossier_.Supprimer(Base() + ExtensionVerrou);
}

namespace {

int LireIndices(const Repertoire& dossier, const std::string& base)
{
    std::vector<std::uint8_t> octets;
    if (dossier.Lire(base + ExtensionIndices, 8, octets) != ErreurFichier::Aucune)
        return 0;
    const std::string texte(octets.begin(), octets.end());
    if (texte.empty() || texte.size() > 3 || texte.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int indices = std::stoi(texte);
    return indices <= IndicesMax ? indices : 0;
}

std::string LireSorte(const Repertoire& dossier, const std::string& base)
{
    std::vector<std::uint8_t> octets;
    if (dossier.Lire(base + ExtensionSorte, TailleMaxSorte, octets) != ErreurFichier::Aucune)
        return {};
    return {octets.begin(), octets.end()};
}

ErreurFichier EcrireTexte(const Repertoire& dossier, const std::string& nom, std::string_view texte)
{
    return dossier.Remplacer(nom, std::span(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()));
}

}  // namespace

void Completer(PartieLaissee& partie)
{
    const auto base = BaseDe(NomDe(partie));
    partie.Indices = LireIndices(partie.Dossier, base);
    partie.Sorte = LireSorte(partie.Dossier, base);
}

ErreurFichier PartieEnCours::Ecrire(std::span<const std::uint8_t> octets, int indices, std::string_view sorte)
{
    if (!verrou_.Tenu())
        return ErreurFichier::Ecriture;
    const auto base = Base();
    // The kind first: a game is never on disk with the kind of the one before.
    if (sorte.empty()) {
        dossier_.Supprimer(base + ExtensionSorte);
    } else if (const auto erreur = EcrireTexte(dossier_, base + ExtensionSorte, sorte);
               erreur != ErreurFichier::Aucune) {
        return erreur;
    }
    const auto erreur = dossier_.Remplacer(base + ExtensionPartie, octets);
    if (erreur != ErreurFichier::Aucune)
        return erreur;
    if (indices <= 0) {
        dossier_.Supprimer(base + ExtensionIndices);
        return ErreurFichier::Aucune;
    }
    return EcrireTexte(dossier_, base + ExtensionIndices, std::to_string(std::min(indices, IndicesMax)));
}

void PartieEnCours::Oublier()
{
    const auto base = Base();
    if (verrou_.Tenu() && dossier_.Existe(base + ExtensionPartie)) {
        dossier_.Supprimer(base + ExtensionIndices);
        dossier_.Supprimer(base + ExtensionSorte);
        dossier_.Supprimer(base + ExtensionPartie, true);
    }
}

bool PartieEnCours::Prendre(const PartieLaissee& laissee)
{
    if (!verrou_.Tenu())
        return false;
    const auto base = Base();
    const auto ancienne = BaseDe(NomDe(laissee));
    for (const char* extension : {ExtensionSorte, ExtensionIndices}) {
        dossier_.Supprimer(base + extension);
        if (dossier_.Existe(ancienne + extension)
            && ::linkat(dossier_.Fd(), (ancienne + extension).c_str(), dossier_.Fd(), (base + extension).c_str(), 0)
                != 0) {
            dossier_.Supprimer(base + ExtensionSorte);
            return false;
        }
    }
    if (::renameat(dossier_.Fd(), (ancienne + ExtensionPartie).c_str(), dossier_.Fd(), (base + ExtensionPartie).c_str())
        != 0) {
        dossier_.Supprimer(base + ExtensionSorte);
        dossier_.Supprimer(base + ExtensionIndices);
        return false;
    }
    dossier_.Synchroniser();
    // What stays of the old name is nothing to offer: a later start clears
    // it should the program end here.
    dossier_.Supprimer(ancienne + ExtensionSorte);
    dossier_.Supprimer(ancienne + ExtensionIndices);
    if (!Verrou::TenuAilleurs(dossier_.Fd(), ancienne + ExtensionVerrou))
        dossier_.Supprimer(ancienne + ExtensionVerrou);
    return true;
}

PartiesOffertes PartiesLaissees(const std::filesystem::path& dossierDonnees)
{
    return PartiesLaissees(Repertoire::Ouvrir(dossierDonnees, false));
}

namespace {

// The games of `dossier` that no running window holds, and what killed
// windows left half made, cleared on the way.
std::vector<PartieLaissee> Lister(const Repertoire& dossier)
{
    std::vector<PartieLaissee> parties;
    // The folder's names first, read once: a game's lock or hints are
    // looked at only when the listing has them.
    const auto entrees = dossier.Noms();
    const std::set<std::string> noms(entrees.begin(), entrees.end());
    const auto present = [&](const std::string& nom) { return noms.count(nom) > 0; };
    const auto tenu = [&](const std::string& base) {
        return present(base + ExtensionVerrou) && Verrou::TenuAilleurs(dossier.Fd(), base + ExtensionVerrou);
    };
    const auto maintenant = std::time(nullptr);
    for (const auto& nom : entrees) {
        const auto extension = Extension(nom);
        const auto base = BaseDe(nom);
        const bool temporaire = nom.rfind(".vorlinde-", 0) == 0 || nom.rfind(".verrou-", 0) == 0;
        // The kind or hints of a game that a window killed at its first
        // write never wrote, or that was taken back: nothing to offer.
        if ((extension == ExtensionSorte || extension == ExtensionIndices) && !present(base + ExtensionPartie)
            && !tenu(base))
            dossier.Supprimer(nom);
        if (!temporaire && extension != ExtensionPartie && extension != ExtensionVerrou)
            continue;
        struct stat etat { };
        if (!dossier.Etat(nom, etat))
            continue;
        // A write that a killed window never finished: writes take
        // milliseconds, a minute is long past any running one.
        if (temporaire) {
            if (S_ISREG(etat.st_mode) && etat.st_mtime < maintenant - 60)
                dossier.Supprimer(nom);
            continue;
        }
        if (extension == ExtensionVerrou) {
            // The lock of a window that ended with no game to keep; one
            // whose counts wait for the record keeps it until they are in.
            if (nom != NomOffre && !present(base + ExtensionPartie) && !present(base + ".comptes")
                && !Verrou::TenuAilleurs(dossier.Fd(), nom))
                dossier.Supprimer(nom);
            continue;
        }
        // Held by a running window: its game is not left.
        if (tenu(base))
            continue;
        parties.push_back({dossier.Chemin() / nom, etat.st_mtime, etat.st_mtim.tv_nsec, 0, {}, dossier});
    }
    return parties;
}

}  // namespace

PartiesOffertes PartiesLaissees(const Repertoire& donnees)
{
    PartiesOffertes offertes;
    offertes.Donnees = donnees;
    const bool ancienne = donnees.Existe(NomAncienneVersion);
    offertes.EnCours = donnees.Sous("en-cours", ancienne);
    const auto& dossier = offertes.EnCours;
    if (!dossier.Ouvert())
        return offertes;
    // One start offers at a time; another, at the same moment, offers nothing.
    offertes.Prise = Verrou(dossier.Fd(), NomOffre, Verrou::Attente::Essayer);
    if (offertes.Prise.Erreur() == ErreurFichier::PasUnFichierOrdinaire
        && !dossier.MettreDeCote(NomOffre, dossier, "offre", "").empty())
        offertes.Prise = Verrou(dossier.Fd(), NomOffre, Verrou::Attente::Essayer);
    if (!offertes.Prise.Tenu())
        return offertes;
    if (ancienne)
        donnees.Renommer(NomAncienneVersion, dossier, NomLibre(dossier, "interrompue-" + Horodatage()));
    offertes.Parties = Lister(dossier);
    // Seconds, then nanoseconds: a date in any year sorts right.
    std::sort(offertes.Parties.begin(), offertes.Parties.end(), [](const PartieLaissee& a, const PartieLaissee& b) {
        if (a.Date != b.Date)
            return a.Date > b.Date;
        return a.Nanosecondes != b.Nanosecondes ? a.Nanosecondes > b.Nanosecondes : a.Chemin > b.Chemin;
    });
    return offertes;
}

void Retirer(const PartieLaissee& partie, bool durable)
{
    const auto& dossier = partie.Dossier;
    const auto base = BaseDe(NomDe(partie));
    dossier.Supprimer(base + ExtensionIndices);
    dossier.Supprimer(base + ExtensionSorte);
    dossier.Supprimer(base + ExtensionPartie, durable);
    if (!Verrou::TenuAilleurs(dossier.Fd(), base + ExtensionVerrou))
        dossier.Supprimer(base + ExtensionVerrou);
}

std::vector<std::string> ComptesLaisses(const Repertoire& enCours, const std::string& base)
{
    std::vector<std::string> noms;
    for (const auto& nom : enCours.Noms()) {
        if (Extension(nom) != ".comptes")
            continue;
        const auto sienne = BaseDe(nom);
        if (sienne == base || !Verrou::TenuAilleurs(enCours.Fd(), sienne + ExtensionVerrou))
            noms.push_back(nom);
    }
    return noms;
}

std::string MettreDeCote(const PartieLaissee& partie, const Repertoire& donnees)
{
    const auto nouveau = partie.Dossier.MettreDeCote(NomDe(partie), donnees, "interrompue", ExtensionPartie);
    if (!nouveau.empty())
        Retirer(partie);
    return nouveau;
}

}  // namespace vorlinde
