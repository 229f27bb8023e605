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

#include "Raisons.h"
#include "game/Statistiques.h"
#include "platform/Fichiers.h"

namespace vorlinde {

// Version 2 adds the days of the day's code; a record of version 1 reads with none.
inline constexpr int VersionStatistiques = 2;

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
};

// Under the lock of the record's folder: reads `fichier`, sets a damaged one
// aside under a new name in the same folder (byte for byte), then, when
// `changer` is given, changes the figures and writes the record whole. A
// record of a newer version is read as nothing and never written.
ResultatStatistiques MettreAJourStatistiques(const std::filesystem::path& fichier,
                                             const std::function<void(Statistiques&)>& changer = {});

}  // namespace vorlinde
