// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "PartiesEnCours.h"

#include <algorithm>
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
        verrou_ = Verrou(AvecExtension(chemin, ExtensionVerrou), Verrou::Attente::Essayer, Verrou::Creation::Nouveau);
        erreur_ = verrou_.Erreur();
        if (verrou_.Tenu())
            chemin_ = chemin;
        else if (!Existe(verrou_.Chemin()))
            return;
    }
}

PartieEnCours::~PartieEnCours()
{
    if (verrou_.Tenu() && !Existe(chemin_))
        ::unlink(verrou_.Chemin().c_str());
}

void PartieEnCours::Proteger()
{
    struct stat etat { };
    if (verrou_.Tenu() && ::lstat(chemin_.c_str(), &etat) == 0 && S_ISREG(etat.st_mode)
        && (etat.st_mode & 07777) != 0600)
        ::chmod(chemin_.c_str(), 0600);
}

void PartieEnCours::Oublier()
{
    if (verrou_.Tenu() && Existe(chemin_))
        SupprimerDurablement(chemin_);
}

std::vector<PartieLaissee> PartiesLaissees(const std::filesystem::path& dossierDonnees)
{
    std::vector<PartieLaissee> parties;
    const auto dossier = DossierEnCours(dossierDonnees);
    if (dossier.empty())
        return parties;
    if (Existe(dossierDonnees / NomAncienneVersion) && CreerDossier(dossier))
        ReprendreAncienneVersion(dossierDonnees, dossier);
    std::error_code ec;
    for (std::filesystem::directory_iterator entree(dossier, ec), fin; !ec && entree != fin; entree.increment(ec)) {
        const auto& chemin = entree->path();
        if (chemin.extension() == ExtensionVerrou && !Existe(AvecExtension(chemin, ExtensionPartie))) {
            // The lock of a window that ended with no game to keep.
            if (Verrou(chemin, Verrou::Attente::Essayer, Verrou::Creation::Existant).Tenu())
                ::unlink(chemin.c_str());
            continue;
        }
        struct stat etat { };
        if (chemin.extension() != ExtensionPartie || ::lstat(chemin.c_str(), &etat) != 0)
            continue;
        Verrou verrou(AvecExtension(chemin, ExtensionVerrou), Verrou::Attente::Essayer);
        // Held by a running window, or by another start that offers it.
        if (!verrou.Tenu())
            continue;
        // The window may have ended its game between the listing and the lock.
        if (!Existe(chemin)) {
            ::unlink(verrou.Chemin().c_str());
            continue;
        }
        parties.push_back({chemin, etat.st_mtime, etat.st_mtim.tv_nsec, std::move(verrou)});
    }
    // Seconds, then nanoseconds: a date in any year sorts right.
    std::sort(parties.begin(), parties.end(), [](const PartieLaissee& a, const PartieLaissee& b) {
        if (a.Date != b.Date)
            return a.Date > b.Date;
        return a.Nanosecondes != b.Nanosecondes ? a.Nanosecondes > b.Nanosecondes : a.Chemin > b.Chemin;
    });
    return parties;
}

void Retirer(PartieLaissee& partie)
{
    if (Existe(partie.Chemin))
        SupprimerDurablement(partie.Chemin);
    if (partie.Prise.Tenu())
        ::unlink(partie.Prise.Chemin().c_str());
    partie.Prise = Verrou();
}

}  // namespace vorlinde
