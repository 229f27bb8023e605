// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Permission checks mean nothing to root, who writes through them, and the
// suite runs as root in CI. These helpers run a case as an ordinary user:
// a forked child, or the whole test program, drops root's privileges first.
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace privileges {

// The identity of "nobody" on Debian; it needs no entry of its own.
inline constexpr uid_t UidOrdinaire = 65534;
inline constexpr gid_t GidOrdinaire = 65534;

// For good: once dropped, root's privileges cannot come back. An ordinary
// user is left as they are. Aborts rather than run a case with privileges.
inline void DevenirOrdinaire()
{
    if (::geteuid() != 0)
        return;
    if (::setgroups(0, nullptr) != 0 || ::setgid(GidOrdinaire) != 0 || ::setuid(UidOrdinaire) != 0
        || ::setuid(0) == 0) {
        std::perror("dropping privileges");
        std::abort();
    }
    // Changing identity makes a process undumpable, which stops the leak
    // checker from inspecting its own threads.
    ::prctl(PR_SET_DUMPABLE, 1);
}

// Lets the ordinary user of DevenirOrdinaire own `dossier` (a folder that the
// test created, as root or not).
inline void Preter(const std::filesystem::path& dossier)
{
    if (::geteuid() == 0 && ::chown(dossier.c_str(), UidOrdinaire, GidOrdinaire) != 0) {
        std::perror("chown");
        std::abort();
    }
}

// Runs `cas` in a child process as an ordinary user and returns its exit
// status: 0 when `cas` returned true. Whatever the child prints is the
// report of its failures.
template <typename Cas> int CommeOrdinaire(Cas cas)
{
    std::fflush(nullptr);
    const pid_t enfant = ::fork();
    if (enfant < 0)
        return -1;
    if (enfant == 0) {
        DevenirOrdinaire();
        const bool reussi = cas();
        std::fflush(nullptr);
        ::_exit(reussi ? 0 : 1);
    }
    int statut = 0;
    while (::waitpid(enfant, &statut, 0) < 0) { }
    return WIFEXITED(statut) ? WEXITSTATUS(statut) : 128 + WTERMSIG(statut);
}

}  // namespace privileges
