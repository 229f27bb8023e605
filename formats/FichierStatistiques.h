// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The player's record on disk: one JSON object, written whole by the atomic
// writer, read and changed under an advisory lock so that two running games
// that end at once are both counted.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Raisons.h"
#include "game/Statistiques.h"
#include "platform/Fichiers.h"
#include "platform/Repertoire.h"

namespace vorlinde {

// Version 2 adds the days of the day's code, version 3 the wins in hard
// mode and the times of the wins; an older record reads with none.
inline constexpr int VersionStatistiques = 3;

std::string TexteStatistiques(const Statistiques& statistiques);

enum class EtatStatistiques {
    Lues,          // read as they were written
    Absentes,      // no record yet: every figure is zero
    Abimees,       // damaged or unreadable: set aside, every figure starts from zero
    PlusRecentes,  // written by a newer version: left alone, never written
};

// The record in `texte`: nothing when it is damaged; `plusRecent` is set when
// it comes from a newer version.
std::optional<Statistiques> LireTexteStatistiques(std::string_view texte, bool& plusRecent);

struct ResultatStatistiques {
    Statistiques Figures;
    EtatStatistiques Etat = EtatStatistiques::Absentes;
    std::filesystem::path MisDeCote;  // where a damaged record now is
    ErreurFichier Ecriture = ErreurFichier::Aucune;
    // Another process held the record's lock for longer than a second:
    // nothing was changed, and the change can be made again later.
    bool Occupees = false;
    // Its last day is later than the day it was given as today.
    bool JourFutur = false;
};

// A game ended that the record has not taken yet: it waits in a small file
// (`<window>.comptes` among the games kept) until the record is free.
using FinEnAttente = PartieTerminee;

// The file of waiting games: one line each, then, once they are being
// counted, the record as it will read with them (so that a program ended
// between the two writes never counts them twice, nor loses them).
std::string TexteEnAttente(const std::vector<FinEnAttente>& fins, std::string_view releve = {});
bool LireTexteEnAttente(std::string_view texte, std::vector<FinEnAttente>& fins, std::string& releve);

// Adds `fins` after the games already waiting in `nom`, written whole.
ErreurFichier AjouterEnAttente(const Repertoire& dossier, const std::string& nom,
                               const std::vector<FinEnAttente>& fins);

// The waiting files to take in along with a change.
struct ComptesEnAttente {
    const Repertoire* Dossier = nullptr;
    std::vector<std::string> Noms;
    std::int32_t Aujourdhui = 0;  // yyyymmdd, for the days of the day's code
};

// Under the lock of the record's folder: reads `fichier`, sets a damaged one
// aside under a new name in the same folder (byte for byte), then, when
// `changer` is given, changes the figures and writes the record whole. A
// record of a newer version is read as nothing and never written.
ResultatStatistiques MettreAJourStatistiques(const std::filesystem::path& fichier,
                                             const std::function<void(Statistiques&)>& changer = {});
// The same for `statistiques.json` in the data folder `dossier`, held open:
// the record and its lock are never reached through a link, and a record
// that is a link, or another user's, is set aside as damaged. A damaged
// record that cannot be set aside is left as it is, and nothing is written.
// The games waiting in `enAttente` are counted with the change, and their
// files go once the record holds them.
ResultatStatistiques MettreAJourStatistiques(const Repertoire& dossier,
                                             const std::function<void(Statistiques&)>& changer,
                                             const ComptesEnAttente& enAttente = {});

}  // namespace vorlinde
