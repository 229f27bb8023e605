// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// The game's time at the foot of the window, when the player asks for it.
#include <QStatusBar>

#include "FrmPrinc.h"
#include "catalogue/Catalogue.h"

namespace vorlinde::ui {

void FrmPrinc::MnuTemps_Click(bool affiche)
{
    if (temps_ == nullptr) {
        temps_ = new QLabel(this);
        temps_->setObjectName(QStringLiteral("LblTemps"));
        statusBar()->addWidget(temps_);
        statusBar()->setSizeGripEnabled(false);
        pendule_ = new QTimer(this);
        pendule_->setInterval(1000);
        connect(pendule_, &QTimer::timeout, this, &FrmPrinc::MontrerTemps);
        connect(&jeu_, &PartieActive::Change, this, &FrmPrinc::MontrerTemps);
    }
    statusBar()->setVisible(affiche);
    temps_->setVisible(affiche);
    if (affiche) {
        MontrerTemps();
        pendule_->start();
    } else {
        pendule_->stop();
    }
    SuivreTailleDuTexte();
}

void FrmPrinc::MontrerTemps()
{
    if (temps_ == nullptr || !temps_->isVisibleTo(this))
        return;
    const auto texte = Utf8(textes::PartageTemps).arg(Utf8(textes::TexteDuree(Secondes(jeu_.Duree()))));
    // Told only when it changes: a screen reader hears no repeats.
    if (temps_->text() != texte) {
        temps_->setText(texte);
        temps_->setAccessibleName(texte);
    }
}

}  // namespace vorlinde::ui
