// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The window of the player's record.
#include "FrmPrinc.h"
#include "FrmStats.h"

namespace vorlinde::ui {

void FrmPrinc::MnuStats_Click()
{
    FrmStats fenetre(
        registre_->Lire(),
        [this] {
            const auto reponse
                = MsgBox(QStringLiteral("Voulez-vous vraiment remettre à zéro les statistiques de vos parties ?"),
                         styles::QuestionOuiNon, QStringLiteral("Statistiques"));
            return reponse == Reponse::Oui ? registre_->RemettreAZero() : registre_->Lire();
        },
        this);
    fenetre.exec();
}

}  // namespace vorlinde::ui
