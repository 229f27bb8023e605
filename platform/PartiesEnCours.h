// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The games in progress kept on disk, so that no end of the program loses
// one: each running window keeps its game in a file of its own in the data
// folder's "en-cours", beside a lock that it holds while it runs. A game
// whose lock nobody holds was left by a window that ended without its
// player's choice (killed, its display gone, the session ended).
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ErreurFichier.h"
#include "Verrou.h"

namespace vorlinde {

std::filesystem::path DossierEnCours(const std::filesystem::path& dossierDonnees);

// The file of one window's game: `partie-<date>-<pid>.prt`, a name no other
// window has, locked through `<name>.lock` for as long as the object lives.
// The lock is published already locked: no start ever sees it free while the
// window runs.
class PartieEnCours {
public:
    // Makes the folder and takes the name; Erreur() tells why no game can be
    // kept (a data folder that is missing, read-only, full, not a folder).
    explicit PartieEnCours(const std::filesystem::path& dossierDonnees);
    // The lock goes with the object, the game's file stays: whatever ends
    // the program, the next start finds it. A window without a game to keep
    // leaves nothing.
    ~PartieEnCours();
    PartieEnCours(const PartieEnCours&) = delete;
    PartieEnCours& operator=(const PartieEnCours&) = delete;

    ErreurFichier Erreur() const { return verrou_.Tenu() ? ErreurFichier::Aucune : erreur_; }
    // Where the game is kept; empty on error.
    const std::filesystem::path& Chemin() const { return chemin_; }
    // Replaces the game's file as a whole, synced, the player's alone (0600):
    // written under a temporary name and renamed over it, so that whatever
    // stands at its name (a link, a folder someone placed there) is never
    // followed. On failure the old file stays as it was. What a saved game
    // does not hold goes beside it: the hints taken (`<name>.indices`) and
    // the game's kind (`<name>.sorte`, a short text, written first).
    ErreurFichier Ecrire(std::span<const std::uint8_t> octets, int indices = 0, std::string_view sorte = {});
    // The game ended by the player's choice, or has nothing to keep: its
    // file goes.
    void Oublier();

private:
    std::filesystem::path chemin_;
    Verrou verrou_;
    ErreurFichier erreur_ = ErreurFichier::Aucune;
};

// A game left by a window that ended.
struct PartieLaissee {
    std::filesystem::path Chemin;
    std::time_t Date = 0;   // its last write
    long Nanosecondes = 0;  // within that second
    int Indices = 0;        // the hints taken in it
    std::string Sorte{};    // its kind, as written; empty when none was
};

// The games left, offered by one start at a time: the list holds the offer's
// lock for as long as it lives, and holds no file open per game.
struct PartiesOffertes {
    Verrou Prise;
    std::vector<PartieLaissee> Parties;
};

// The games left in the data folder, newest first; none while another start
// offers them. A game kept by an earlier version of the program
// ("interrompue.prt" in the data folder) is moved among them first; the
// temporary files of writes that a killed window never finished go.
PartiesOffertes PartiesLaissees(const std::filesystem::path& dossierDonnees);

// The player answered for the game: its file (when still there) and its
// lock go.
void Retirer(const PartieLaissee& partie);

}  // namespace vorlinde
