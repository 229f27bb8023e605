// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartiesEnCours.h"

#include <algorithm>
#include <set>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Dossiers.h"
#include "Fichiers.h"

namespace vorlinde {
namespace {

const char* const ExtensionPartie = ".prt";
const char* const ExtensionVerrou = ".lock";
const char* const ExtensionIndices = ".indices";
const char* const ExtensionSorte = ".sorte";
constexpr std::size_t TailleMaxSorte = 64;
const char* const NomAncienneVersion = "interrompue.prt";

std::filesystem::path AvecExtension(std::filesystem::path chemin, const char* extension)
{
    return chemin.replace_extension(extension);
}

// The removal reaches the disk with the folder.
void SupprimerDurablement(const std::filesystem::path& chemin)
{
    if (::unlink(chemin.c_str()) != 0)
        return;
    const int dossier = ::open(chemin.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dossier >= 0) {
        ::fsync(dossier);
        ::close(dossier);
    }
}

// The name an earlier version's game is moved to: one that no entry has.
std::filesystem::path NomLibre(const std::filesystem::path& dossier, const std::string& base)
{
    auto chemin = dossier / (base + ExtensionPartie);
    for (int n = 2; Existe(chemin) || Existe(AvecExtension(chemin, ExtensionVerrou)); ++n)
        chemin = dossier / (base + "-" + std::to_string(n) + ExtensionPartie);
    return chemin;
}

void ReprendreAncienneVersion(const std::filesystem::path& dossierDonnees, const std::filesystem::path& dossier)
{
    const auto ancienne = dossierDonnees / NomAncienneVersion;
    std::error_code ec;
    std::filesystem::rename(ancienne, NomLibre(dossier, "interrompue-" + Horodatage()), ec);
}

}  // namespace

std::filesystem::path DossierEnCours(const std::filesystem::path& dossierDonnees)
{
    return dossierDonnees.empty() ? std::filesystem::path() : dossierDonnees / "en-cours";
}

PartieEnCours::PartieEnCours(const std::filesystem::path& dossierDonnees)
{
    const auto dossier = DossierEnCours(dossierDonnees);
    if (dossier.empty() || !CreerDossier(dossier)) {
        erreur_ = ErreurFichier::Ecriture;
        return;
    }
    // Made open to all by an earlier version: the games hold hidden codes.
    ::chmod(dossier.c_str(), 0700);
    // A process number is a running window's own; the date sets it apart
    // from a game that an ended process of the same number left.
    const auto base = "partie-" + Horodatage() + "-" + std::to_string(::getpid());
    for (int n = 1; n < 100 && !verrou_.Tenu(); ++n) {
        const auto chemin = dossier / (base + (n > 1 ? "-" + std::to_string(n) : "") + ExtensionPartie);
        if (Existe(chemin))
            continue;
        verrou_ = Verrou::Publier(AvecExtension(chemin, ExtensionVerrou));
        erreur_ = verrou_.Erreur();
        if (verrou_.Tenu())
            chemin_ = chemin;
        else if (erreur_ != ErreurFichier::Illisible)
            return;
    }
}

PartieEnCours::~PartieEnCours()
{
    if (verrou_.Tenu() && !Existe(chemin_))
        ::unlink(verrou_.Chemin().c_str());
}

namespace {

int LireIndices(const std::filesystem::path& partie)
{
    std::vector<std::uint8_t> octets;
    if (LireDebutFichier(AvecExtension(partie, ExtensionIndices), 8, octets) != ErreurFichier::Aucune)
        return 0;
    const std::string texte(octets.begin(), octets.end());
    return texte.find_first_not_of("0123456789") == std::string::npos && !texte.empty() && texte.size() < 7
        ? std::stoi(texte)
        : 0;
}

std::string LireSorte(const std::filesystem::path& partie)
{
    std::vector<std::uint8_t> octets;
    if (LireDebutFichier(AvecExtension(partie, ExtensionSorte), TailleMaxSorte, octets) != ErreurFichier::Aucune)
        return {};
    return {octets.begin(), octets.end()};
}

}  // namespace

ErreurFichier PartieEnCours::Ecrire(std::span<const std::uint8_t> octets, int indices, std::string_view sorte)
{
    if (!verrou_.Tenu())
        return ErreurFichier::Ecriture;
    // The kind first: a game is never on disk with the kind of the one before.
    const auto fichierSorte = AvecExtension(chemin_, ExtensionSorte);
    if (sorte.empty()) {
        ::unlink(fichierSorte.c_str());
    } else if (const auto erreur = RemplacerPrive(
                   fichierSorte, std::span(reinterpret_cast<const std::uint8_t*>(sorte.data()), sorte.size()));
               erreur != ErreurFichier::Aucune) {
        return erreur;
    }
    const auto erreur = RemplacerPrive(chemin_, octets);
    if (erreur != ErreurFichier::Aucune)
        return erreur;
    const auto fichierIndices = AvecExtension(chemin_, ExtensionIndices);
    if (indices <= 0) {
        ::unlink(fichierIndices.c_str());
        return ErreurFichier::Aucune;
    }
    const auto texte = std::to_string(indices);
    return RemplacerPrive(fichierIndices, std::span(reinterpret_cast<const std::uint8_t*>(texte.data()), texte.size()));
}

void PartieEnCours::Oublier()
{
    if (verrou_.Tenu() && Existe(chemin_)) {
        ::unlink(AvecExtension(chemin_, ExtensionIndices).c_str());
        ::unlink(AvecExtension(chemin_, ExtensionSorte).c_str());
        SupprimerDurablement(chemin_);
    }
}

PartiesOffertes PartiesLaissees(const std::filesystem::path& dossierDonnees)
{
    PartiesOffertes offertes;
    const auto dossier = DossierEnCours(dossierDonnees);
    const bool ancienne = !dossier.empty() && Existe(dossierDonnees / NomAncienneVersion);
    if (dossier.empty() || !(ancienne ? CreerDossier(dossier) : Existe(dossier)))
        return offertes;
    // One start offers at a time; another, at the same moment, offers nothing.
    offertes.Prise = Verrou(dossier / ".offre.lock", Verrou::Attente::Essayer);
    if (!offertes.Prise.Tenu())
        return offertes;
    if (ancienne)
        ReprendreAncienneVersion(dossierDonnees, dossier);
    // The folder's names first, read once: a game's lock or hints are
    // looked at only when the listing has them.
    std::vector<std::filesystem::path> entrees;
    std::set<std::string> noms;
    std::error_code ec;
    for (std::filesystem::directory_iterator entree(dossier, ec), fin; !ec && entree != fin; entree.increment(ec)) {
        entrees.push_back(entree->path());
        noms.insert(entree->path().filename().string());
    }
    const auto present
        = [&](const std::filesystem::path& chemin) { return noms.count(chemin.filename().string()) > 0; };
    const auto maintenant = std::time(nullptr);
    for (const auto& chemin : entrees) {
        const auto nom = chemin.filename().string();
        const auto extension = chemin.extension();
        const bool temporaire = nom.rfind(".vorlinde-", 0) == 0 || nom.rfind(".verrou-", 0) == 0;
        // The kind of a game that a window killed at its first write never
        // wrote: nothing to offer.
        if (extension == ExtensionSorte && !present(AvecExtension(chemin, ExtensionPartie))
            && !(present(AvecExtension(chemin, ExtensionVerrou))
                 && Verrou::TenuAilleurs(AvecExtension(chemin, ExtensionVerrou))))
            ::unlink(chemin.c_str());
        if (!temporaire && extension != ExtensionPartie && extension != ExtensionVerrou)
            continue;
        struct stat etat { };
        if (::lstat(chemin.c_str(), &etat) != 0)
            continue;
        // A write that a killed window never finished: writes take
        // milliseconds, a minute is long past any running one.
        if (temporaire) {
            if (S_ISREG(etat.st_mode) && etat.st_mtime < maintenant - 60)
                ::unlink(chemin.c_str());
            continue;
        }
        const auto verrou = AvecExtension(chemin, ExtensionVerrou);
        if (extension == ExtensionVerrou) {
            // The lock of a window that ended with no game to keep.
            if (nom != ".offre.lock" && !present(AvecExtension(chemin, ExtensionPartie))
                && !Verrou::TenuAilleurs(chemin))
                ::unlink(chemin.c_str());
            continue;
        }
        // Held by a running window: its game is not left.
        if (present(verrou) && Verrou::TenuAilleurs(verrou))
            continue;
        const int indices = present(AvecExtension(chemin, ExtensionIndices)) ? LireIndices(chemin) : 0;
        offertes.Parties.push_back({chemin, etat.st_mtime, etat.st_mtim.tv_nsec, indices,
                                    present(AvecExtension(chemin, ExtensionSorte)) ? LireSorte(chemin) : ""});
    }
    // Seconds, then nanoseconds: a date in any year sorts right.
    std::sort(offertes.Parties.begin(), offertes.Parties.end(), [](const PartieLaissee& a, const PartieLaissee& b) {
        if (a.Date != b.Date)
            return a.Date > b.Date;
        return a.Nanosecondes != b.Nanosecondes ? a.Nanosecondes > b.Nanosecondes : a.Chemin > b.Chemin;
    });
    return offertes;
}

void Retirer(const PartieLaissee& partie)
{
    ::unlink(AvecExtension(partie.Chemin, ExtensionIndices).c_str());
    ::unlink(AvecExtension(partie.Chemin, ExtensionSorte).c_str());
    if (Existe(partie.Chemin))
        SupprimerDurablement(partie.Chemin);
    const auto verrou = AvecExtension(partie.Chemin, ExtensionVerrou);
    if (!Verrou::TenuAilleurs(verrou))
        ::unlink(verrou.c_str());
}

}  // namespace vorlinde
