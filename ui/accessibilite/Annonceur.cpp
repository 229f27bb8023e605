// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Annonceur.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include "Accessibilite.h"

namespace vorlinde::ui {

Annonceur::Annonceur(Controles controles, QObject* parent) : QObject(parent), plateau_(std::move(controles)) { }

void Annonceur::Suivre(QWidget* controle)
{
    controle->installEventFilter(this);
}

Annonceur::Retenue::Retenue(Annonceur& annonceur) : annonceur_(annonceur)
{
    ++annonceur_.retenues_;
}

Annonceur::Retenue::~Retenue()
{
    if (--annonceur_.retenues_ > 0 || !annonceur_.retenu_)
        return;
    annonceur_.retenu_ = false;
    annonceur_.Annoncer(annonceur_.texteRetenu_, annonceur_.sujetRetenu_);
    annonceur_.texteRetenu_.clear();
}

void Annonceur::Annoncer(const QString& texte, const QWidget* sujet)
{
    if (retenues_ > 0) {
        retenu_ = true;
        texteRetenu_ = texte;
        sujetRetenu_ = sujet;
        return;
    }
    QWidget* fenetre = plateau_.Fenetre->window();
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
    Prononcer(texte, sujet);
}

void Annonceur::Reprendre()
{
    const bool message = enAttente_;
    enAttente_ = false;
    QWidget* focus = plateau_.Fenetre->window()->focusWidget();
    const bool dansLeCode = focus == nullptr || focus == pretee_ || plateau_.DansLeCode(focus);
    pretee_ = nullptr;
    QWidget* curseur = plateau_.CaseDuCurseur();
    if (message)
        Prononcer(texteEnAttente_, sujetEnAttente_);
    else if (dansLeCode && focus != curseur && curseur->isEnabled())
        plateau_.SuivreCurseur();
    texteEnAttente_.clear();
}

void Annonceur::Prononcer(const QString& texte, const QWidget* sujet)
{
    QWidget* curseur = plateau_.CaseDuCurseur();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt sends announcements, which screen readers read as they come: the
    // focus only follows the cursor, and the message is said once, after
    // what the focus says. It comes from the focused control: Orca drops
    // announcements that follow each other within 0.1 s, but for those of
    // the object that has the focus.
    if (curseur->isEnabled() && !curseur->hasFocus())
        plateau_.SuivreCurseur();
    if (sujet != nullptr && sujet->hasFocus())
        return;
    if (!texte.isEmpty()) {
        QWidget* source = QApplication::focusWidget() ? QApplication::focusWidget() : plateau_.Fenetre;
        QAccessibleAnnouncementEvent annonce(source, texte);
        QAccessible::updateAccessibility(&annonce);
    }
#else
    Q_UNUSED(sujet);
    // The first of these that has not the focus yet, and can take it (a
    // finished game leaves « Valider le code » disabled).
    std::vector<QWidget*> candidats{curseur};
    candidats.insert(candidats.end(), plateau_.Relais.begin(), plateau_.Relais.end());
    QWidget* cible = nullptr;
    for (QWidget* candidat : candidats)
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

void Annonceur::DireDefilement(QScrollBar* barre)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // From Qt 6.8 the new name of the focused scroll bar is read as it comes.
    if (barre->hasFocus())
        DireLaPosition(barre);
#else
    Q_UNUSED(barre);
#endif
}

// A control that said something says it no more once the focus leaves it.
bool Annonceur::eventFilter(QObject* objet, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        if (raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason || raison == Qt::MouseFocusReason)
            pretee_ = nullptr;
    } else if (event->type() == QEvent::FocusOut && objet == annonce_) {
        // Left for a menu or a dialog: the focus comes back to a control
        // that only held it to speak, and goes back to the cursor (see
        // Reprendre) unless the player moves it first.
        const auto raison = static_cast<QFocusEvent*>(event)->reason();
        if (raison == Qt::ActiveWindowFocusReason || raison == Qt::PopupFocusReason)
            pretee_ = annonce_;
        annonce_->setAccessibleDescription({});
        annonce_ = nullptr;
    }
    return QObject::eventFilter(objet, event);
}

}  // namespace vorlinde::ui
