// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Every sentence a screen reader hears of the board and of its commands, in
// one place: the names the controls are painted with and what the board's
// voice says are the same texts. Colours and cells are numbered from 1.
#include <QString>

#include "game/Partie.h"
#include "game/Sortes.h"

namespace vorlinde::ui::phrases {

// « 2 bien placé(s), 1 mal placé(s) »
QString Score(int biPl, int malPl);
// « Coup 3 : 2 bien placé(s), 1 mal placé(s) »
QString Coup(int numero, int biPl, int malPl);
// « Case 2 : couleur 5 », or « Case 2 : vide » for colour 0.
QString Case(int cellule, int couleur);
// A swatch: « Couleur 5 ».
QString Source(int couleur);
// A cell of the history: « Coup 3, case 2 : couleur 5 ».
QString CaseDuCoup(int coup, int cellule, int couleur);
// A row of the history, as Tab reaches it:
// « Coup 3 : couleurs 1, 2, 3, 4 ; 2 bien placé(s), 1 mal placé(s) ».
QString LigneHistorique(int numero, const vorlinde::Coup& coup);
// The history's scroll bar: « Historique : coups 11 à 20 », or « Historique »
// while every move is in view.
QString Historique(bool defile, int premier, int dernier);
// « Indice : 1, 2, 3, 4 ; 5 codes sont encore possibles. »
QString Indice(const Code4& code, std::size_t possibles);

// What a new game is told by: « Partie numéro 42 », « Code du jour du
// 10/12/2026 », « Code composé » (two players).
QString Depart(const OriginePartie& origine);

// What the commands answer are texts of the catalogue as they stand
// (textes::NouvellePartie, textes::PartieChargee...).

}  // namespace vorlinde::ui::phrases
