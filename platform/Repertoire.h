// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// A folder of the program's own, held open: whatever is made, read, renamed,
// locked or removed in it is found relative to it, so that a link another
// user puts at its name, or one of its parents swapped for a link, never
// sends a write elsewhere.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "ErreurFichier.h"

namespace vorlinde {

class Repertoire {
public:
    // No folder: every operation fails.
    Repertoire() = default;

    // Opens the folder at `chemin`, made with its parents (0700) when
    // `creer` and missing. Its own name is never followed as a link; it must
    // be a folder of the user's, and is narrowed to the user alone (0700).
    static Repertoire Ouvrir(const std::filesystem::path& chemin, bool creer);
    // The folder `nom` in this one, on the same terms.
    Repertoire Sous(const std::string& nom, bool creer) const;

    bool Ouvert() const { return fd_ != nullptr; }
    int Fd() const { return fd_ ? *fd_ : -1; }
    // Where it was opened: for the player's messages, never to reach it.
    const std::filesystem::path& Chemin() const { return chemin_; }
    // Why it is not open: Ecriture (missing, cannot be made or opened),
    // PasUnFichierOrdinaire (a link or no folder at its name), Etranger.
    ErreurFichier Erreur() const { return erreur_; }

    // The names it holds, "." and ".." apart; empty when it cannot be read.
    std::vector<std::string> Noms() const;
    // An entry of that name exists, a link included; `etat` gets its own
    // status (never a link's target's).
    bool Existe(const std::string& nom) const;
    bool Etat(const std::string& nom, struct ::stat& etat) const;

    // A regular file of the user's stands at `nom` (not a link).
    bool FichierASoi(const std::string& nom) const;

    // At most `maximum` bytes from the start of the regular file `nom`,
    // never followed as a link.
    ErreurFichier Lire(const std::string& nom, std::size_t maximum, std::vector<std::uint8_t>& octets) const;
    // `octets` as the whole of `nom`, the user's alone (0600), synced with
    // the folder: written under a temporary name and renamed over it, so
    // that nothing standing at the name (a link, a folder, set aside) is
    // followed. On failure the old file stays as it was.
    ErreurFichier Remplacer(const std::string& nom, std::span<const std::uint8_t> octets) const;
    // Removes the entry `nom` (a link itself, not its target); with
    // `durable`, the removal reaches the disk before it returns.
    bool Supprimer(const std::string& nom, bool durable = false) const;
    // Renames `nom` to `nouveau` in `vers`, never over an existing entry.
    bool Renommer(const std::string& nom, const Repertoire& vers, const std::string& nouveau) const;
    // Renames `nom` to `<stem>-illisible-<date>[-n]<extension>` in `vers`, a
    // name no entry has. Returns the new name, empty when it stayed.
    std::string MettreDeCote(const std::string& nom, const Repertoire& vers, const std::string& stem,
                             const std::string& extension) const;
    // What was renamed or removed reaches the disk.
    void Synchroniser() const;

private:
    std::shared_ptr<const int> fd_;
    std::filesystem::path chemin_;
    ErreurFichier erreur_ = ErreurFichier::Ecriture;
};

// A file made under a fresh name starting with `prefixe` in the folder
// `dossier` (a descriptor, or AT_FDCWD), opened for writing; -1 when none
// can be made. `nom` gets its name.
int CreerTemporaire(int dossier, const std::string& prefixe, std::string& nom);

}  // namespace vorlinde
