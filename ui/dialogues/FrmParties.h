// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <functional>
#include <vector>

#include "formats/FichierHistorique.h"

class QListWidget;
class QPushButton;

namespace vorlinde::ui {

// « Parties jouées »: the games that ended, newest first, one line each
// (its date, kind and number, outcome, moves, time and mode). For the
// selected one, « Analyse » opens its analysis, « Copier » puts its text on
// the clipboard, and « Rejouer » (a numbered game) closes the window to
// play its number again. Escape closes it.
class FrmParties : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void(const Partie&, QWidget* parent)> Analyser;
        std::function<void(const Partie&)> Copier;
    };
    FrmParties(std::vector<PartieJouee> parties, Actions actions, QWidget* parent = nullptr);

    // The number to play again, once the window closed by « Rejouer »; 0 otherwise.
    std::int32_t NumeroARejouer() const { return aRejouer_; }

private:
    const PartieJouee* Choisie() const;
    void SuivreChoix();

    std::vector<PartieJouee> parties_;  // newest first
    Actions actions_;
    QListWidget* liste_ = nullptr;
    QPushButton* analyser_ = nullptr;
    QPushButton* copier_ = nullptr;
    QPushButton* rejouer_ = nullptr;
    std::int32_t aRejouer_ = 0;
};

}  // namespace vorlinde::ui
