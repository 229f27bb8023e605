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
        Reprendre();
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
// cell reached by Tab becomes the cursor's cell; a control that said
// something says it no more once the focus leaves it.
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
        if (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason || raison == Qt::MouseFocusReason)
            pretee_ = nullptr;
        const auto cellule = std::find(LblCode.begin(), LblCode.end(), objet);
        if (cellule != LblCode.end() && (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason)) {
            ChoisirCase(partie_, static_cast<int>(cellule - LblCode.begin()));
            PeindreCurseur();
        }
        break;
    }
    case QEvent::FocusOut:
        if (objet == annonce_) {
            // Left for a menu or a dialog: the focus comes back to a control
            // that only held it to speak, and goes back to the cursor (see
            // Reprendre) unless the player moves it first.
            const auto raison = static_cast<QFocusEvent*>(event)->reason();
            if (raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason)
                pretee_ = annonce_;
            annonce_->setAccessibleDescription({});
            annonce_ = nullptr;
        }
        break;
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

void Plateau::Annoncer(const QString& texte, const QWidget* sujet)
{
    QWidget* fenetre = window();
    if (fenetre->isVisible() && !fenetre->isActiveWindow()) {
        enAttente_ = true;
        texteEnAttente_ = texte;
        sujetEnAttente_ = sujet;
        fenetre->activateWindow();
        // A desktop that never gives the focus back still hears the message.
        QTimer::singleShot(1500, this, [this] {
            if (enAttente_)
                Reprendre();
        });
        return;
    }
    Dire(texte, sujet);
}

void Plateau::Reprendre()
{
    const bool message = enAttente_;
    enAttente_ = false;
    QWidget* focus = window()->focusWidget();
    const bool dansLeCode
        = focus == nullptr || focus == pretee_ || std::find(LblCode.begin(), LblCode.end(), focus) != LblCode.end();
    pretee_ = nullptr;
    if (message)
        Dire(texteEnAttente_, sujetEnAttente_);
    else if (dansLeCode && focus != LblCode[partie_.CaseCourante] && LblCode[partie_.CaseCourante]->isEnabled())
        SuivreCurseur();
    texteEnAttente_.clear();
}

void Plateau::Dire(const QString& texte, const QWidget* sujet)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt sends announcements, which screen readers read as they come: the
    // focus only follows the cursor, and the message is said once, after
    // what the focus says. It comes from the focused control: Orca drops
    // announcements that follow each other within 0.1 s, but for those of
    // the object that has the focus.
    if (LblCode[partie_.CaseCourante]->isEnabled() && !LblCode[partie_.CaseCourante]->hasFocus())
        SuivreCurseur();
    if (sujet != nullptr && sujet->hasFocus())
        return;
    if (!texte.isEmpty()) {
        QWidget* source = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        QAccessibleAnnouncementEvent annonce(source, texte);
        QAccessible::updateAccessibility(&annonce);
    }
#else
    Q_UNUSED(sujet);
    // The first of these that has not the focus yet, and can take it (a
    // finished game leaves « Valider le code » disabled).
    QWidget* cible = nullptr;
    for (QWidget* candidat : {static_cast<QWidget*>(LblCode[partie_.CaseCourante]), static_cast<QWidget*>(CmdOK),
                              static_cast<QWidget*>(LblCoulSource[0])})
        if (candidat->isEnabled() && !candidat->hasFocus()) {
            cible = candidat;
            break;
        }
    // Described before it takes the focus: Orca reads the description with
    // the focus, and drops the change itself.
    cible->setAccessibleDescription(texte);
    cible->setFocus(Qt::OtherFocusReason);
    annonce_ = cible;
#endif
}

// Each scroll by a key says the moves then shown; the scroll bar keeps the
// focus.
void Plateau::DireDefilement()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 the new name of the focused scroll bar is read as it comes.
    if (VScroll1->hasFocus())
        DireLaPosition(VScroll1);
#endif
}

}  // namespace vorlinde::ui
