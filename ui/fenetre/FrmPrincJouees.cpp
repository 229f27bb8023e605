// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// « Partie › Parties jouées… »: the games that ended, to look back at.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmAnalyse.h"
#include "dialogues/FrmParties.h"
#include "game/Sortes.h"

namespace vorlinde::ui {

void FrmPrinc::MnuJouees_Click()
{
    const bool numeros = findChild<QAction*>(QStringLiteral("MnuNumeros"))->isChecked();
    FrmParties::Actions actions;
    actions.Analyser = [numeros](const Partie& partie, QWidget* parent) { FrmAnalyse(partie, numeros, parent).exec(); };
    actions.Copier = [this](const Partie& partie) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(textes::TexteAPartager(partie)));
        voix_->Dire(Utf8(textes::PartieCopiee));
    };
    FrmParties fenetre(registre_->PartiesJouees(), std::move(actions), this);
    if (fenetre.exec() == QDialog::Accepted && fenetre.NumeroARejouer() != 0) {
        const auto numero = fenetre.NumeroARejouer();
        Commencer(CodeNumerote(numero), {SortePartie::Numerotee, numero}, PartieActive::Depart::Choisie);
    }
}

}  // namespace vorlinde::ui
