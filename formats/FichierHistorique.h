// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The games played, kept to look back at: `parties-jouees.txt` in the data
// folder, one line a game, oldest first, written whole under a lock. It
// keeps the newest PartiesJoueesMax games; the oldest go past them. It
// holds nothing the record counts from: dropping a line never changes a
// figure of the record.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/Partie.h"
#include "game/Statistiques.h"
#include "platform/Repertoire.h"

namespace vorlinde {

inline constexpr std::size_t PartiesJoueesMax = 10000;

// One game that ended: when, its kind, how, its mode and time, its code and
// its moves (the scores follow from them).
struct PartieJouee {
    std::int64_t Quand = 0;  // seconds since 1970 (UTC)
    OriginePartie Origine{};
    FinDePartie Fin = FinDePartie::Gagnee;
    bool Difficile = false;
    std::int64_t Secondes = -1;  // -1 when not known
    Code4 CodeSecret{};
    std::vector<std::array<char, LongueurCode>> Coups;
    bool operator==(const PartieJouee&) const = default;
};

// The game as it ended, from the board's state.
PartieJouee PartieTermineeA(const Partie& partie, FinDePartie fin, std::int64_t quand);
// The board's state of a game played: its moves scored, its kind, mode and time.
Partie EtatDe(const PartieJouee& partie);

// "parties 1" on the first line, then one line a game:
// "<when> <kind> <number> <end> <hard> <seconds> <code> <moves>", the kind
// as a kept game writes it ("numerotee", "jour", "deux", "chargee"), the
// moves as digits joined by commas ("-" for none).
std::string TexteHistorique(const std::vector<PartieJouee>& parties);
// False for a text that is not a history, or holds a line that is not a game.
bool LireTexteHistorique(std::string_view texte, std::vector<PartieJouee>& parties);

enum class EtatHistorique {
    Lu,      // read as it was written
    Absent,  // no game yet
    Abime,   // damaged, too large, a link or not the user's: set aside (or left, MisDeCote empty)
};
struct ResultatHistorique {
    std::vector<PartieJouee> Parties;  // oldest first
    EtatHistorique Etat = EtatHistorique::Absent;
    std::string MisDeCote;  // the name a damaged history now has in the data folder
    ErreurFichier Ecriture = ErreurFichier::Aucune;
};

// The games played in the data folder `dossier`, held open.
ResultatHistorique LireHistorique(const Repertoire& dossier);
// Adds `partie` after them, the oldest dropped past `maximum`, under the
// history's lock (waiting a second at most). A damaged history is set aside
// first, never written through; when it cannot be, nothing is written.
ResultatHistorique AjouterAHistorique(const Repertoire& dossier, const PartieJouee& partie,
                                      std::size_t maximum = PartiesJoueesMax);

}  // namespace vorlinde
