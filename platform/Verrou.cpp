// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Verrou.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Repertoire.h"

namespace vorlinde {

Verrou::Verrou(const std::filesystem::path& chemin, Attente attente, Creation creation)
    : Verrou(AT_FDCWD, chemin.string(), attente, creation)
{
}

Verrou::Verrou(int dossier, const std::string& nom, Attente attente, Creation creation) : chemin_(nom)
{
    int drapeaux = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    if (creation != Creation::Existant)
        drapeaux |= O_CREAT;
    if (creation == Creation::Nouveau)
        drapeaux |= O_EXCL;
    fd_ = ::openat(dossier, nom.c_str(), drapeaux, 0600);
    if (fd_ < 0) {
        erreur_ = errno == ELOOP || errno == EISDIR || errno == ENXIO ? ErreurFichier::PasUnFichierOrdinaire
                                                                      : ErreurFichier::Ecriture;
        return;
    }
    struct stat etat { };
    if (::fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        erreur_ = ErreurFichier::PasUnFichierOrdinaire;
    } else {
        const int mode = LOCK_EX | (attente == Attente::Attendre ? 0 : LOCK_NB);
        int r = 0;
        for (int essai = 0;; ++essai) {
            while ((r = ::flock(fd_, mode)) != 0 && errno == EINTR) { }
            if (r == 0)
                return;
            if (attente != Attente::UneSeconde || errno != EWOULDBLOCK || essai == 20)
                break;
            const struct timespec pause {
                0, 50'000'000
            };
            ::nanosleep(&pause, nullptr);
        }
        erreur_ = ErreurFichier::Illisible;
    }
    ::close(fd_);
    fd_ = -1;
}

Verrou Verrou::Publier(const std::filesystem::path& chemin)
{
    const auto dossier = chemin.parent_path().empty() ? std::filesystem::path(".") : chemin.parent_path();
    const int fd = ::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    auto verrou = Publier(fd, chemin.filename().string());
    if (fd >= 0)
        ::close(fd);
    verrou.chemin_ = chemin;
    return verrou;
}

Verrou Verrou::Publier(int dossier, const std::string& nom)
{
    Verrou verrou;
    verrou.chemin_ = nom;
    std::string temporaire;
    const int fd = dossier >= 0 ? CreerTemporaire(dossier, ".verrou-", temporaire) : -1;
    if (fd < 0) {
        verrou.erreur_ = ErreurFichier::Ecriture;
        return verrou;
    }
    const bool verrouille = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    // A test hook: a start paused here, between the lock and its name, must
    // leave nothing for another start to take.
    if (const char* pause = std::getenv("VORLINDE_PAUSE_VERROU"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(pause)));
    const bool publie = verrouille && ::linkat(dossier, temporaire.c_str(), dossier, nom.c_str(), 0) == 0;
    const int raison = errno;
    ::unlinkat(dossier, temporaire.c_str(), 0);
    if (!publie) {
        ::close(fd);
        verrou.erreur_ = raison == EEXIST ? ErreurFichier::Illisible : ErreurFichier::Ecriture;
        return verrou;
    }
    verrou.fd_ = fd;
    return verrou;
}

bool Verrou::TenuAilleurs(const std::filesystem::path& chemin)
{
    return TenuAilleurs(AT_FDCWD, chemin.string());
}

bool Verrou::TenuAilleurs(int dossier, const std::string& nom)
{
    const int fd = ::openat(dossier, nom.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return false;
    int r = 0;
    while ((r = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) { }
    const bool tenu = r != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return tenu;
}

Verrou::~Verrou()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Verrou::Verrou(Verrou&& autre) noexcept
    : chemin_(std::move(autre.chemin_)), fd_(std::exchange(autre.fd_, -1)), erreur_(autre.erreur_)
{
}

Verrou& Verrou::operator=(Verrou&& autre) noexcept
{
    if (this != &autre) {
        if (fd_ >= 0)
            ::close(fd_);
        chemin_ = std::move(autre.chemin_);
        fd_ = std::exchange(autre.fd_, -1);
        erreur_ = autre.erreur_;
    }
    return *this;
}

}  // namespace vorlinde
