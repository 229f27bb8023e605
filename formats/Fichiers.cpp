// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Fichiers.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlinde {

bool LireDebutFichier(const std::filesystem::path& chemin, std::size_t maximum, std::vector<std::uint8_t>& octets)
{
    // O_NONBLOCK keeps a named pipe from blocking the open; it is refused below.
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat info { };
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    octets.assign(maximum, 0);
    std::size_t lus = 0;
    while (ok && lus < maximum) {
        const ssize_t r = ::read(fd, octets.data() + lus, maximum - lus);
        if (r < 0 && errno == EINTR)
            continue;
        ok = r >= 0;
        if (r <= 0)
            break;
        lus += static_cast<std::size_t>(r);
    }
    ::close(fd);
    octets.resize(ok ? lus : 0);
    return ok;
}

bool EcrireTout(int fd, std::span<const std::uint8_t> octets)
{
    std::size_t ecrits = 0;
    while (ecrits < octets.size()) {
        const ssize_t r = ::write(fd, octets.data() + ecrits, octets.size() - ecrits);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        ecrits += static_cast<std::size_t>(r);
    }
    return ::fsync(fd) == 0;
}

bool RemplacerFichier(const std::filesystem::path& chemin, std::span<const std::uint8_t> octets)
{
    std::error_code ec;
    const auto etat = std::filesystem::status(chemin, ec);
    const mode_t masque = ::umask(0);
    ::umask(masque);
    mode_t mode = 0666 & ~masque;
    if (std::filesystem::exists(etat)) {
        if (!std::filesystem::is_regular_file(etat) || ::access(chemin.c_str(), W_OK) != 0)
            return false;
        struct stat info { };
        if (::stat(chemin.c_str(), &info) == 0)
            mode = info.st_mode & 07777;
    }
    auto dossier = chemin.parent_path();
    if (dossier.empty())
        dossier = ".";
    // Built piecewise: g++ 12 warns wrongly on "." + string at -O2.
    std::string nom = ".";
    nom += chemin.filename().string();
    nom += ".XXXXXX";
    std::string modele = (dossier / nom).string();
    const int fd = ::mkstemp(modele.data());
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, mode) == 0 && EcrireTout(fd, octets);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(modele.c_str(), chemin.c_str()) == 0;
    if (!ok)
        ::unlink(modele.c_str());
    return ok;
}

}  // namespace vorlinde
