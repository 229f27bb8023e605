// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Play without a mouse: the keys of the board and the results said to
// screen readers.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>

#include "Plateau.h"

namespace vorlinde::ui {
namespace {

// X keycodes of the keys 1 to 8 of the main row, whatever the layout: on a
// French keyboard they give "&", "é"... without Shift, and still play.
constexpr quint32 ToucheChiffre1 = 10;

// The colour (0..7) that a key plays, or -1.
int CouleurDeTouche(const QKeyEvent& touche)
{
    if (touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return -1;
    if (touche.key() >= Qt::Key_1 && touche.key() <= Qt::Key_8)
        return touche.key() - Qt::Key_1;
    const auto code = touche.nativeScanCode();
    if (!(touche.modifiers() & Qt::KeypadModifier) && code >= ToucheChiffre1 && code < ToucheChiffre1 + 8)
        return static_cast<int>(code - ToucheChiffre1);
    return -1;
}

}  // namespace

void Plateau::keyPressEvent(QKeyEvent* event)
{
    if (!Touche(*event))
        QWidget::keyPressEvent(event);
}

// A focused push button would take Left and Right to move the focus; on the
// board they move the cursor. The scroll bar keeps them.
bool Plateau::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && objet != VScroll1) {
        const auto* touche = static_cast<QKeyEvent*>(event);
        if ((touche->key() == Qt::Key_Left || touche->key() == Qt::Key_Right) && Touche(*touche))
            return true;
    }
    return QWidget::eventFilter(objet, event);
}

bool Plateau::Touche(const QKeyEvent& touche)
{
    if (const int couleur = CouleurDeTouche(touche); couleur >= 0) {
        LblCoulSource_Click(couleur);
        return true;
    }
    if (touche.modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (touche.key()) {
    case Qt::Key_Left:
        LblCode_Click(std::max(partie_.CaseCourante - 1, 0));
        return true;
    case Qt::Key_Right:
        LblCode_Click(std::min(partie_.CaseCourante + 1, LongueurCode - 1));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // As a click on "Valider le code", which a finished game disables.
        if (CmdOK->isEnabled())
            CmdOK_Click();
        return true;
    default:
        return false;
    }
}

// Screen readers read out a change of the focused control's description, so
// the text becomes that description; the focus stays where it is.
void Plateau::Annoncer(const QString& texte)
{
    QWidget* cible = QApplication::focusWidget();
    if (cible == nullptr || cible->window() != window())
        cible = window();
    if (annonce_ != nullptr && annonce_ != cible)
        annonce_->setAccessibleDescription({});
    annonce_ = cible;
    cible->setAccessibleDescription(texte);
}

}  // namespace vorlinde::ui
