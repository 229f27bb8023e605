// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// Play without a mouse: the keys of the board, the focus, and what screen
// readers are told.
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "BoutonCouleur.h"
#include "Etiquette.h"
#include "Plateau.h"
#include "accessibilite/Annonceur.h"

namespace vorlinde::ui {
namespace {

// X keycodes of the keys 1 to 8 of the main row, whatever the layout: on a
// French keyboard they give "&", "é"... without Shift, and still play.
constexpr quint32 ToucheChiffre1 = 10;

}  // namespace

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

void Plateau::keyPressEvent(QKeyEvent* event)
{
    if (!Touche(*event))
        QWidget::keyPressEvent(event);
}

void Plateau::mousePressEvent(QMouseEvent* event)
{
    MontrerCurseur(false);
    QWidget::mousePressEvent(event);
}

// Qt passes the window's activation on to its children before it gives the
// focus back inside it: the cell that takes the focus now is the one the
// screen reader reads.
bool Plateau::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        voix_->Reprendre();
    return QWidget::event(event);
}

void Plateau::changeEvent(QEvent* event)
{
    // The desktop changed its colours while the game runs: what the board
    // paints in the window's own colours follows.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        SuivrePalette();
        for (auto* compteur : LblBiPl)
            PeindreCompteur(*compteur);
        for (auto* compteur : LblMalPl)
            PeindreCompteur(*compteur);
        PeindreHistorique();
    }
    QWidget::changeEvent(event);
}

// A focused button would take Left and Right to move the focus; on the board
// they move the cursor (the scroll bar keeps them). A code
// cell reached by Tab becomes the cursor's cell.
bool Plateau::eventFilter(QObject* objet, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        MontrerCurseur(false);
        break;
    case QEvent::KeyPress: {
        MontrerCurseur(true);
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (objet != VScroll1 && (touche->key() == Qt::Key_Left || touche->key() == Qt::Key_Right) && Touche(*touche))
            return true;
        break;
    }
    case QEvent::FocusIn: {
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        const auto cellule = std::find(LblCode.begin(), LblCode.end(), objet);
        if (cellule != LblCode.end() && (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason))
            jeu_.PlacerCurseur(static_cast<int>(cellule - LblCode.begin()));
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(objet, event);
}

bool Plateau::Touche(const QKeyEvent& touche)
{
    const bool jouee = ToucheDeJeu(touche);
    if (jouee)
        MontrerCurseur(true);
    return jouee;
}

bool Plateau::ToucheDeJeu(const QKeyEvent& touche)
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
    case Qt::Key_Home:
        LblCode_Click(0);
        return true;
    case Qt::Key_End:
        LblCode_Click(LongueurCode - 1);
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

void Plateau::SuivreCurseur()
{
    PeindreCurseur();
    LblCode[partie_.CaseCourante]->setFocus(Qt::OtherFocusReason);
}

}  // namespace vorlinde::ui
