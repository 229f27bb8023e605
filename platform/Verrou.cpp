// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Verrou.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlinde {

Verrou::Verrou(const std::filesystem::path& chemin, Attente attente, Creation creation) : chemin_(chemin)
{
    int drapeaux = O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    if (creation != Creation::Existant)
        drapeaux |= O_CREAT;
    if (creation == Creation::Nouveau)
        drapeaux |= O_EXCL;
    fd_ = ::open(chemin.c_str(), drapeaux, 0600);
    if (fd_ < 0) {
        erreur_ = errno == ELOOP || errno == EISDIR || errno == ENXIO ? ErreurFichier::PasUnFichierOrdinaire
                                                                      : ErreurFichier::Ecriture;
        return;
    }
    struct stat etat { };
    if (::fstat(fd_, &etat) != 0 || !S_ISREG(etat.st_mode)) {
        erreur_ = ErreurFichier::PasUnFichierOrdinaire;
    } else {
        const int mode = LOCK_EX | (attente == Attente::Essayer ? LOCK_NB : 0);
        int r = 0;
        while ((r = ::flock(fd_, mode)) != 0 && errno == EINTR) { }
        if (r == 0)
            return;
        erreur_ = ErreurFichier::Illisible;
    }
    ::close(fd_);
    fd_ = -1;
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
