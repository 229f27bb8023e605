// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmCoul.h"
#include "catalogue/Catalogue.h"

#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

#include "GeometrieCoul.h"
#include "plateau/BoutonCouleur.h"
#include "plateau/Twips.h"

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
    setWindowTitle(Utf8(textes::TitreEditeur));
    setFixedSize(TailleTwips(g::LargeurClient, g::HauteurClient));
    setModal(true);

    auto* CmdOK = new QPushButton(Utf8(textes::BoutonOK), this);
    CmdOK->setObjectName(QStringLiteral("CmdOK"));
    CmdOK->setGeometry(Rect(g::CmdOK));
    for (int k = 0; k < NbCouleurs; ++k) {
        LblCoulSource[k] = new BoutonCouleur(this);
        LblCoulSource[k]->setObjectName(QStringLiteral("LblCoulSource%1").arg(k));
        LblCoulSource[k]->setGeometry(Rect(g::LblCoulSource(k)));
        LblCoulSource[k]->SetBackColor(palette[k]);
        LblCoulSource[k]->SetCaption({});
        LblCoulSource[k]->SetContour(ContourPour(QDialog::palette()));
        LblCoulSource[k]->SetInfobulle(Utf8(textes::CouleurN).arg(k + 1));
        LblCoulSource[k]->setAccessibleDescription(Utf8(textes::ChangerCouleur));
        LblCoulSource[k]->setFocusPolicy(Qt::TabFocus);
        NommerSource(k);
        connect(LblCoulSource[k], &BoutonCouleur::clicked, this, [this, k] { LblCoulSource_Click(k); });
    }
    auto* CmdCancel = new QPushButton(Utf8(textes::BoutonAnnuler), this);
    CmdCancel->setObjectName(QStringLiteral("CmdCancel"));
    CmdCancel->setGeometry(Rect(g::CmdCancel));
    for (auto* bouton : {CmdOK, CmdCancel}) {
        bouton->setAutoDefault(false);
        bouton->setDefault(false);
    }
    connect(CmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(CmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(CmdOK, CmdCancel);
    QWidget* precedent = CmdCancel;
    for (auto* source : LblCoulSource) {
        setTabOrder(precedent, source);
        precedent = source;
    }
    for (QWidget* controle : {static_cast<QWidget*>(CmdOK), static_cast<QWidget*>(CmdCancel)})
        controle->installEventFilter(this);
    for (auto* source : LblCoulSource)
        source->installEventFilter(this);
    CmdOK->setFocus();
}

FrmCoul::~FrmCoul() = default;

void FrmCoul::LblCoulSource_Click(int index)
{
    dial_.Color = palette_[index];
    dial_.ShowColor();
    palette_[index] = dial_.Color;
    LblCoulSource[index]->SetBackColor(palette_[index]);
    // Named before the focus comes back from the chooser, which reads it.
    NommerSource(index);
}

void FrmCoul::NommerSource(int index)
{
    LblCoulSource[index]->SetNomAccessible(Utf8(textes::NomCouleurN).arg(index + 1)
                                           + Utf8(textes::NomDeCouleur(palette_[index])));
}

void FrmCoul::PeindreMarques()
{
    for (auto* source : LblCoulSource)
        source->SetMarque(clavier_ && source->hasFocus());
}

bool FrmCoul::eventFilter(QObject* objet, QEvent* event)
{
    const auto source = std::find(LblCoulSource.begin(), LblCoulSource.end(), objet);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        clavier_ = false;
        PeindreMarques();
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        PeindreMarques();
        break;
    case QEvent::KeyPress: {
        clavier_ = true;
        PeindreMarques();
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (touche->modifiers() & ~Qt::KeypadModifier)
            break;
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            // A swatch or a button: the one that has the focus is pressed.
            static_cast<QAbstractButton*>(objet)->click();
            return true;
        }
        if (source != LblCoulSource.end() && (touche->key() == Qt::Key_Left || touche->key() == Qt::Key_Right)) {
            const auto index = source - LblCoulSource.begin() + (touche->key() == Qt::Key_Left ? -1 : 1);
            if (index >= 0 && index < NbCouleurs)
                LblCoulSource[static_cast<std::size_t>(index)]->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(objet, event);
}

}  // namespace vorlinde::ui
