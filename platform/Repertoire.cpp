// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Repertoire.h"

#include <atomic>
#include <cerrno>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "Dossiers.h"
#include "Fichiers.h"

namespace vorlinde {
namespace {

// Opens the folder `nom` in `parent` without following a link at its name,
// and makes it the user's alone; `erreur` tells why not.
int OuvrirDossier(int parent, const char* nom, ErreurFichier& erreur)
{
    const int fd = ::openat(parent, nom, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        erreur = errno == ELOOP || errno == ENOTDIR ? ErreurFichier::PasUnFichierOrdinaire : ErreurFichier::Ecriture;
        return -1;
    }
    struct stat etat { };
    if (::fstat(fd, &etat) != 0 || etat.st_uid != ::geteuid()) {
        erreur = ErreurFichier::Etranger;
        ::close(fd);
        return -1;
    }
    // Made open to others by an earlier version, or by hand: the games kept
    // there hold their hidden codes.
    if ((etat.st_mode & 077) != 0)
        ::fchmod(fd, 0700);
    erreur = ErreurFichier::Aucune;
    return fd;
}

}  // namespace

int CreerTemporaire(int dossier, const std::string& prefixe, std::string& nom)
{
    static std::atomic<unsigned> compteur{0};
    struct timespec maintenant { };
    ::clock_gettime(CLOCK_REALTIME, &maintenant);
    for (int essai = 0; essai < 100; ++essai) {
        const auto graine = static_cast<unsigned long>(maintenant.tv_nsec)
            ^ (static_cast<unsigned long>(::getpid()) << 20) ^ (static_cast<unsigned long>(compteur++) * 2654435761UL);
        nom = prefixe + std::to_string(graine % 100000000UL);
        const int fd = ::openat(dossier, nom.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

Repertoire Repertoire::Ouvrir(const std::filesystem::path& chemin, bool creer)
{
    Repertoire dossier;
    dossier.chemin_ = chemin;
    if (chemin.empty() || !chemin.has_filename())
        return dossier;
    if (creer) {
        CreerDossier(chemin.parent_path());
        ::mkdir(chemin.c_str(), 0700);
    }
    const int fd = OuvrirDossier(AT_FDCWD, chemin.c_str(), dossier.erreur_);
    if (fd >= 0)
        dossier.fd_ = std::shared_ptr<const int>(new int(fd), [](const int* p) {
            ::close(*p);
            delete p;
        });
    return dossier;
}

Repertoire Repertoire::Sous(const std::string& nom, bool creer) const
{
    Repertoire dossier;
    dossier.chemin_ = chemin_ / nom;
    if (!Ouvert())
        return dossier;
    if (creer)
        ::mkdirat(Fd(), nom.c_str(), 0700);
    const int fd = OuvrirDossier(Fd(), nom.c_str(), dossier.erreur_);
    if (fd >= 0)
        dossier.fd_ = std::shared_ptr<const int>(new int(fd), [](const int* p) {
            ::close(*p);
            delete p;
        });
    return dossier;
}

std::vector<std::string> Repertoire::Noms() const
{
    std::vector<std::string> noms;
    const int copie = Ouvert() ? ::openat(Fd(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    DIR* flux = copie >= 0 ? ::fdopendir(copie) : nullptr;
    if (flux == nullptr) {
        if (copie >= 0)
            ::close(copie);
        return noms;
    }
    while (const dirent* entree = ::readdir(flux)) {
        const std::string nom = entree->d_name;
        if (nom != "." && nom != "..")
            noms.push_back(nom);
    }
    ::closedir(flux);
    return noms;
}

bool Repertoire::Etat(const std::string& nom, struct ::stat& etat) const
{
    return Ouvert() && ::fstatat(Fd(), nom.c_str(), &etat, AT_SYMLINK_NOFOLLOW) == 0;
}

bool Repertoire::Existe(const std::string& nom) const
{
    struct stat etat { };
    return Etat(nom, etat);
}

bool Repertoire::FichierASoi(const std::string& nom) const
{
    struct stat etat { };
    return Etat(nom, etat) && S_ISREG(etat.st_mode) && etat.st_uid == ::geteuid();
}

ErreurFichier Repertoire::Lire(const std::string& nom, std::size_t maximum, std::vector<std::uint8_t>& octets) const
{
    octets.clear();
    const int fd = Ouvert() ? ::openat(Fd(), nom.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd < 0)
        return errno == ELOOP || errno == ENXIO ? ErreurFichier::PasUnFichierOrdinaire : ErreurFichier::Illisible;
    struct stat etat { };
    ErreurFichier erreur = ErreurFichier::Aucune;
    if (::fstat(fd, &etat) != 0)
        erreur = ErreurFichier::Illisible;
    else if (!S_ISREG(etat.st_mode))
        erreur = ErreurFichier::PasUnFichierOrdinaire;
    octets.assign(erreur == ErreurFichier::Aucune ? maximum : 0, 0);
    std::size_t lus = 0;
    while (lus < octets.size()) {
        const ssize_t r = ::read(fd, octets.data() + lus, octets.size() - lus);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0)
            erreur = ErreurFichier::Illisible;
        if (r <= 0)
            break;
        lus += static_cast<std::size_t>(r);
    }
    ::close(fd);
    octets.resize(erreur == ErreurFichier::Aucune ? lus : 0);
    return erreur;
}

ErreurFichier Repertoire::Remplacer(const std::string& nom, std::span<const std::uint8_t> octets) const
{
    if (!Ouvert())
        return ErreurFichier::Ecriture;
    std::string temporaire;
    const int fd = CreerTemporaire(Fd(), ".vorlinde-", temporaire);
    if (fd < 0)
        return ErreurFichier::Ecriture;
    bool ok = ::fchmod(fd, 0600) == 0 && EcrireTout(fd, octets) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    // A folder at the name is set aside: a rename cannot replace it.
    struct stat etat { };
    if (ok && Etat(nom, etat) && S_ISDIR(etat.st_mode))
        MettreDeCote(nom, *this, "en-travers", "");
    if (!ok || ::renameat(Fd(), temporaire.c_str(), Fd(), nom.c_str()) != 0) {
        ::unlinkat(Fd(), temporaire.c_str(), 0);
        return ErreurFichier::Ecriture;
    }
    Synchroniser();
    return ErreurFichier::Aucune;
}

bool Repertoire::Supprimer(const std::string& nom, bool durable) const
{
    if (!Ouvert() || ::unlinkat(Fd(), nom.c_str(), 0) != 0)
        return false;
    if (durable)
        Synchroniser();
    return true;
}

bool Repertoire::Renommer(const std::string& nom, const Repertoire& vers, const std::string& nouveau) const
{
    // link then unlink: unlike rename, never over an entry that exists. A
    // folder (which cannot be linked) is renamed once its name is known free.
    if (!Ouvert() || !vers.Ouvert())
        return false;
    if (::linkat(Fd(), nom.c_str(), vers.Fd(), nouveau.c_str(), 0) == 0) {
        ::unlinkat(Fd(), nom.c_str(), 0);
        return true;
    }
    return errno == EPERM && !vers.Existe(nouveau) && ::renameat(Fd(), nom.c_str(), vers.Fd(), nouveau.c_str()) == 0;
}

std::string Repertoire::MettreDeCote(const std::string& nom, const Repertoire& vers, const std::string& stem,
                                     const std::string& extension) const
{
    const std::string base = stem + "-illisible-" + Horodatage();
    std::string nouveau = base + extension;
    for (int n = 2; vers.Existe(nouveau) && n < 1000; ++n)
        nouveau = base + "-" + std::to_string(n) + extension;
    if (!Renommer(nom, vers, nouveau))
        return {};
    vers.Synchroniser();
    Synchroniser();
    return nouveau;
}

void Repertoire::Synchroniser() const
{
    if (Ouvert())
        ::fsync(Fd());
}

}  // namespace vorlinde
