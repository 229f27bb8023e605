// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <filesystem>
#include <functional>
#include <vector>

#include "formats/FichierStatistiques.h"
#include "game/Partie.h"

namespace vorlinde::ui {

// The player's record of games, `statistiques.json` in the data folder: each
// game that ended, or was left with a move played, is counted once. A record
// that another window holds takes the games at the next count, or when the
// window closes. A game of two players is not counted; the day's game also
// counts its day. What goes wrong with it is told once, through `signaler`.
class Registre {
public:
    Registre(std::filesystem::path dossierDonnees, std::function<void(const QString&)> signaler);

    void Compter(FinDePartie fin, const Partie& partie);
    // A game left with a move played, still in progress, counts as abandoned.
    void Abandonner(const Partie& partie);
    // The games a busy record has not taken yet, counted in order; a failure
    // is told unless `enSilence` (the session is ending).
    void CompterEnAttente(bool enSilence = false);

    // The figures as they stand, and the same set back to zero; a record
    // that cannot be read or written is told.
    Statistiques Lire();
    Statistiques RemettreAZero();

private:
    std::filesystem::path Fichier() const;
    void Signaler(const ResultatStatistiques& resultat);

    struct FinACompter {
        FinDePartie Fin;
        int Coups;
        bool AvecIndice;
        std::int32_t Jour;  // the date of a day's game, 0 for any other
    };
    std::filesystem::path dossier_;
    std::function<void(const QString&)> signaler_;
    std::vector<FinACompter> aCompter_;
    bool signale_ = false;
};

}  // namespace vorlinde::ui
