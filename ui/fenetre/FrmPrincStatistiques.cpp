// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The window of the player's record.
#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"
#include "dialogues/FrmStats.h"

namespace vorlinde::ui {

void FrmPrinc::MnuStats_Click()
{
    FrmStats fenetre(
        registre_->Lire(),
        [this] {
            const auto reponse
                = MsgBox(Utf8(textes::RemettreAZero), styles::QuestionOuiNon, Utf8(textes::TitreStatistiques));
            return reponse == Reponse::Oui ? registre_->RemettreAZero() : registre_->Lire();
        },
        this);
    fenetre.exec();
}

}  // namespace vorlinde::ui
