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
#include "Repertoire.h"
#include "Verrou.h"

namespace vorlinde {

std::filesystem::path DossierEnCours(const std::filesystem::path& dossierDonnees);

// The data folder's "en-cours", opened (and made) on the terms of a
// Repertoire: never through a link, the user's alone.
Repertoire OuvrirEnCours(const std::filesystem::path& dossierDonnees);

struct PartieLaissee;

// The file of one window's game: `partie-<date>-<pid>.prt`, a name no other
// window has, locked through `<name>.lock` for as long as the object lives.
// The lock is published already locked: no start ever sees it free while the
// window runs.
class PartieEnCours {
public:
    // Takes the name in `enCours`; Erreur() tells why no game can be kept
    // (a data folder that is missing, read-only, full, not a folder, or
    // another user's).
    explicit PartieEnCours(Repertoire enCours);
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
    // The name of the game's file, without its extension: files of the
    // window's own are named after it.
    std::string Base() const { return chemin_.stem().string(); }
    const Repertoire& Dossier() const { return dossier_; }
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
    // The left game becomes this window's, moved and not copied: its hints
    // and kind are linked to this window's names first, then its file is
    // renamed over this window's by one rename, so that however the program
    // ends, one file of the game is left, with its hints and kind. False
    // when it could not be moved (it stays where it was).
    bool Prendre(const PartieLaissee& laissee);

private:
    Repertoire dossier_;
    std::filesystem::path chemin_;
    Verrou verrou_;
    ErreurFichier erreur_ = ErreurFichier::Aucune;
};

// The most hints a kept game may count: one per move and one more.
inline constexpr int IndicesMax = 101;

// A game left by a window that ended.
struct PartieLaissee {
    std::filesystem::path Chemin;
    std::time_t Date = 0;   // its last write
    long Nanosecondes = 0;  // within that second
    // Read with the game, by Completer: a list of thousands reads none.
    int Indices = 0;       // the hints taken in it
    std::string Sorte{};   // its kind, as written; empty when none was
    Repertoire Dossier{};  // the folder it was found in
};

// Reads what a left game keeps beside it: its hints and its kind.
void Completer(PartieLaissee& partie);

// The games left, offered by one start at a time: the list holds the offer's
// lock for as long as it lives, and holds no file open per game.
struct PartiesOffertes {
    Verrou Prise;
    std::vector<PartieLaissee> Parties;
    Repertoire EnCours;
    Repertoire Donnees;
};

// The games left in the data folder, newest first; none while another start
// offers them. A game kept by an earlier version of the program
// ("interrompue.prt" in the data folder) is moved among them first; the
// temporary files of writes that a killed window never finished go. An
// entry that is not a file at the offer's lock is set aside.
PartiesOffertes PartiesLaissees(const Repertoire& donnees);
PartiesOffertes PartiesLaissees(const std::filesystem::path& dossierDonnees);

// The player answered for the game: its file (when still there) and its
// lock go. With `durable`, the removal reaches the disk before it returns;
// a batch of removals syncs the folder once, at its end.
void Retirer(const PartieLaissee& partie, bool durable = true);

// The files of games ended that wait for the record: this window's
// (`<base>.comptes`, when there) and those of windows that ended.
std::vector<std::string> ComptesLaisses(const Repertoire& enCours, const std::string& base);

// Sets a game that cannot be read aside in the data folder, under a name
// that says so: its file goes only once the copy set aside stands. Returns
// the new name, empty when it stays where it was.
std::string MettreDeCote(const PartieLaissee& partie, const Repertoire& donnees);

}  // namespace vorlinde
