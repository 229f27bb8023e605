// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

#include "ErreurFichier.h"

namespace vorlinde {

// An advisory lock (flock) on a file of its own, held while the object lives
// and released by the system however the program ends. A link, a folder or
// any other file than a regular one in the lock's place is never followed
// nor created through, and gives no lock.
class Verrou {
public:
    enum class Attente {
        Attendre,  // until whoever holds it lets it go
        Essayer,   // at once: a lock someone holds is not had
        // Tried again for up to a second, then not had: never long enough
        // to keep a window from answering, or from ending on a signal.
        UneSeconde,
    };
    enum class Creation { Creer, Existant, Nouveau };

    // `Existant` locks only a file already there; `Nouveau` only one that
    // this call creates.
    Verrou(const std::filesystem::path& chemin, Attente attente, Creation creation = Creation::Creer);
    // The lock file `nom` in the folder `dossier`, a descriptor.
    Verrou(int dossier, const std::string& nom, Attente attente, Creation creation = Creation::Creer);
    // No lock.
    Verrou() = default;
    ~Verrou();
    Verrou(Verrou&& autre) noexcept;
    Verrou& operator=(Verrou&& autre) noexcept;
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    // A lock file that appears already locked: made under a temporary name,
    // locked, then linked to `chemin`, which must not exist. No other process
    // can find it at `chemin` unlocked, however they interleave.
    static Verrou Publier(const std::filesystem::path& chemin);
    static Verrou Publier(int dossier, const std::string& nom);
    // Whether the file `chemin` is locked by a running process, without
    // keeping it: the lock is tried and let go at once. False when there is
    // no such file.
    static bool TenuAilleurs(const std::filesystem::path& chemin);
    static bool TenuAilleurs(int dossier, const std::string& nom);

    bool Tenu() const { return fd_ >= 0; }
    // Why the lock is not held: PasUnFichierOrdinaire, Ecriture (it could not
    // be opened or created), Illisible (someone else holds it), or Aucune.
    ErreurFichier Erreur() const { return erreur_; }
    const std::filesystem::path& Chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
    int fd_ = -1;
    ErreurFichier erreur_ = ErreurFichier::Aucune;
};

}  // namespace vorlinde
