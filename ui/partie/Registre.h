// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "formats/FichierHistorique.h"
#include "formats/FichierStatistiques.h"
#include "game/Partie.h"
#include "platform/Repertoire.h"

namespace vorlinde::ui {

// The player's record of games, `statistiques.json` in the data folder: each
// game that ended, or was left with a move played, is counted once. A game
// the record cannot take yet (another window holds it) waits on disk, in the
// window's own `<base>.comptes` among the games kept, and is counted at the
// next count, or at the next start, whatever ends the program meanwhile. A
// game of two players is not counted; the day's game also counts its day.
// Each kind of trouble with the record is told once, through `signaler`.
class Registre {
public:
    Registre(Repertoire donnees, Repertoire enCours, std::string base, std::function<void(const QString&)> signaler);

    // A game that ended: it goes into the games played (`parties-jouees.txt`),
    // two players' included, and into the record, unless of two players.
    void Compter(FinDePartie fin, const Partie& partie);
    // The games played, oldest first; a damaged list is set aside and told.
    std::vector<PartieJouee> PartiesJouees();
    // The games waiting, this window's and those of windows that ended,
    // counted when the record is free; a failure is told unless `enSilence`
    // (the session is ending).
    void CompterEnAttente(bool enSilence = false);

    // The figures as they stand, and the same set back to zero; a record
    // that cannot be read or written is told.
    Statistiques Lire();
    Statistiques RemettreAZero();

private:
    void Signaler(const ResultatStatistiques& resultat);
    void Signaler(const ResultatHistorique& resultat);
    ComptesEnAttente EnAttente() const;

    Repertoire donnees_;
    Repertoire enCours_;
    std::string base_;
    std::function<void(const QString&)> signaler_;
    // Kept in memory too: where no file can hold them, the window's life does.
    std::vector<FinEnAttente> aCompter_;
    std::set<QString> signales_;
};

}  // namespace vorlinde::ui
