// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmADeux.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <set>

#include "Ecran.h"
#include "catalogue/Catalogue.h"
#include "plateau/BoiteMessage.h"
#include "plateau/BoutonCouleur.h"
#include "plateau/Plateau.h"
#include "plateau/Traduction.h"

namespace vorlinde::ui {

FrmADeux::FrmADeux(const std::array<std::int32_t, NbCouleurs>& palette, std::int32_t couleurVide, bool numeros,
                   std::shared_ptr<BoiteMessage> boites, QWidget* parent)
    : QDialog(parent), palette_(palette), couleurVide_(couleurVide), numeros_(numeros), boites_(std::move(boites))
{
    setWindowTitle(Utf8(textes::TitrePartieADeux));
    auto* plan = new QVBoxLayout(this);
    auto* consigne = new QLabel(Utf8(textes::ConsigneADeux), this);
    consigne->setWordWrap(true);
    plan->addWidget(consigne);

    const int cote = fontMetrics().height() * 2;
    plan->addWidget(ConstruireRangee(cote));
    plan->addLayout(ConstruireSources(cote * 3 / 4));

    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Cancel)->setText(Utf8(textes::BoutonAnnuler));
    connect(boutons, &QDialogButtonBox::accepted, this, &FrmADeux::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    plan->addWidget(boutons);
    setTabOrder(rangee_, boutons);
    rangee_->setFocus();
    Peindre();
    TaillerSelonEcran(this);
}

// The keys go to the row of cells, which alone takes the focus: what a
// screen reader says of it never changes as colours are placed.
QWidget* FrmADeux::ConstruireRangee(int cote)
{
    rangee_ = new QWidget(this);
    rangee_->setObjectName(QStringLiteral("CodeADeux"));
    rangee_->setFocusPolicy(Qt::StrongFocus);
    rangee_->setAccessibleName(Utf8(textes::TitrePartieADeux));
    rangee_->setAccessibleDescription(Utf8(textes::ConsigneADeux));
    rangee_->installEventFilter(this);
    auto* cases = new QHBoxLayout(rangee_);
    cases->addStretch();
    for (int k = 0; k < LongueurCode; ++k) {
        cases_[k] = new BoutonCouleur(rangee_);
        cases_[k]->setObjectName(QStringLiteral("CaseADeux%1").arg(k));
        cases_[k]->setFixedSize(cote, cote);
        cases_[k]->SetCaption({});
        cases_[k]->SetContourSelonContraste(true);
        cases_[k]->SetNomAccessible(Utf8(textes::CaseADeuxN).arg(k + 1));
        connect(cases_[k], &BoutonCouleur::clicked, this, [this, k] {
            Aller(k);
            rangee_->setFocus();
        });
        cases->addWidget(cases_[k]);
    }
    cases->addStretch();
    return rangee_;
}

QLayout* FrmADeux::ConstruireSources(int cote)
{
    auto* sources = new QHBoxLayout;
    for (int k = 0; k < NbCouleurs; ++k) {
        auto* source = new BoutonCouleur(this);
        source->setObjectName(QStringLiteral("SourceADeux%1").arg(k));
        source->setFixedSize(cote, cote);
        source->SetCaption({});
        source->SetBackColor(palette_[k]);
        source->SetNumero(numeros_ ? k + 1 : 0);
        source->SetContourSelonContraste(true);
        source->SetInfobulle(Utf8(textes::CouleurN).arg(k + 1));
        connect(source, &BoutonCouleur::clicked, this, [this, k] {
            Poser(k + 1);
            rangee_->setFocus();
        });
        sources->addWidget(source);
    }
    return sources;
}

void FrmADeux::Poser(int couleur)
{
    code_[curseur_] = static_cast<std::int16_t>(couleur);
    Aller(std::min(curseur_ + 1, LongueurCode - 1));
}

void FrmADeux::Aller(int cellule)
{
    curseur_ = cellule;
    Peindre();
}

void FrmADeux::Peindre()
{
    for (int k = 0; k < LongueurCode; ++k) {
        const int c = code_[k];
        cases_[k]->SetBackColor(c > 0 ? palette_[c - 1] : couleurVide_);
        cases_[k]->SetNumero(numeros_ ? c : 0);
        cases_[k]->SetMarque(k == curseur_);
    }
}

void FrmADeux::accept()
{
    if (std::set<std::int16_t>(code_.begin(), code_.end()).size() != LongueurCode
        || std::count(code_.begin(), code_.end(), 0) > 0) {
        boites_->MsgBox(this, Utf8(textes::CodeADeuxIncomplet), styles::Exclamation, Utf8(textes::TitrePartieADeux));
        rangee_->setFocus();
        return;
    }
    QDialog::accept();
}

bool FrmADeux::eventFilter(QObject* objet, QEvent* event)
{
    if (objet != rangee_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(objet, event);
    const auto* touche = static_cast<QKeyEvent*>(event);
    const int k = touche->key();
    if (const int couleur = CouleurDeTouche(*touche); couleur >= 0)
        Poser(couleur + 1);
    else if (k == Qt::Key_Left)
        Aller(std::max(curseur_ - 1, 0));
    else if (k == Qt::Key_Right)
        Aller(std::min(curseur_ + 1, LongueurCode - 1));
    else if (k == Qt::Key_Home)
        Aller(0);
    else if (k == Qt::Key_End)
        Aller(LongueurCode - 1);
    else if (k == Qt::Key_Return || k == Qt::Key_Enter)
        accept();
    else
        return QDialog::eventFilter(objet, event);
    return true;
}

}  // namespace vorlinde::ui
