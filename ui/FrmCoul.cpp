// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmCoul.h"

#include <QPushButton>

#include "BoutonCouleur.h"
#include "GeometrieCoul.h"
#include "Twips.h"

namespace vorlinde::ui {
namespace {

QRect Rect(const geometrie::Rect& r)
{
    return RectTwips(r.Left, r.Top, r.Width, r.Height);
}

}  // namespace

FrmCoul::FrmCoul(const std::array<std::int32_t, NbCouleurs>& palette, std::shared_ptr<DialogueStandard> dialogues,
                 QWidget* parent)
    : QDialog(parent), palette_(palette), dial_(this, std::move(dialogues))
{
    namespace g = geometrie_coul;
    setWindowTitle(QStringLiteral("Sélectionner la couleur à modifier"));
    setFixedSize(TailleTwips(g::LargeurClient, g::HauteurClient));
    setModal(true);

    auto* CmdOK = new QPushButton(QStringLiteral("OK"), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGeometry(Rect(g::CmdOK));
    for (int k = 0; k < NbCouleurs; ++k) {
        LblCoulSource[k] = new BoutonCouleur(this);
        LblCoulSource[k]->setObjectName(QStringLiteral("LblCoulSource%1").arg(k));
        LblCoulSource[k]->setGeometry(Rect(g::LblCoulSource(k)));
        LblCoulSource[k]->SetBackColor(palette[k]);
        LblCoulSource[k]->SetCaption({});
        LblCoulSource[k]->SetDescription(QStringLiteral("Couleur %1").arg(k + 1));
        connect(LblCoulSource[k], &BoutonCouleur::clicked, this, [this, k] { LblCoulSource_Click(k); });
    }
    auto* CmdCancel = new QPushButton(QStringLiteral("&Annuler"), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    CmdCancel->setGeometry(Rect(g::CmdCancel));
    for (auto* bouton : {CmdOK, CmdCancel}) {
        bouton->setAutoDefault(false);
        bouton->setDefault(false);
    }
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(CmdOK, CmdCancel);
    CmdOK->setFocus();
}

FrmCoul::~FrmCoul() = default;

void FrmCoul::LblCoulSource_Click(int index)
{
    dial_.Color = palette_[index];
    dial_.ShowColor();
    palette_[index] = dial_.Color;
    LblCoulSource[index]->SetBackColor(palette_[index]);
}

}  // namespace vorlinde::ui
