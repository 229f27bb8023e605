// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// What the command line asks for. Without an option the game opens in its
// window, with a saved game to load if one is named.
#include <QString>
#include <QStringList>

namespace vorlinde {

struct Demande {
    enum class Mode { Fenetre, Aide, Version, Erreur, Indice, Analyse };
    Mode Quoi = Mode::Fenetre;
    QString Fichier;  // the saved game to open, to advise on or to analyse
    bool Json = false;
    QString Erreur;  // the French message of a wrong command line
    // Options of Qt's own that the window's application takes from the line.
    bool OptionsQt = false;
};

// `arguments` starts with the program's name.
Demande AnalyserArguments(const QStringList& arguments);

QString TexteAide();
QString TexteVersion();

// Exit statuses.
inline constexpr int SortieErreurFichier = 1;
inline constexpr int SortieErreurLigne = 2;

}  // namespace vorlinde
