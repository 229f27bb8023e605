// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QScrollBar;
class QWidget;

namespace vorlinde::ui {

// What a window says of its own results (a game saved, copied, put off),
// through the board's one voice; what the game does, the board tells.
class Voix {
public:
    virtual void Dire(const QString& texte) = 0;

protected:
    ~Voix() = default;
};

// The board's one voice: what it says to a screen reader, once, whichever Qt
// the program runs on. From Qt 6.8, as an accessible announcement, the focus
// moved only to follow the cursor. Before, through the only change that Orca
// reads out from Qt 6.4: the focus, moved to the cursor's cell (or, when it
// is already there, to « Valider le code »), which then describes itself
// with the text. The focus stays on the board, in the code.
//
// While the window is not the active one (a dialog has just closed and the
// desktop has not given the window back its focus yet), a message waits for
// it: said before, it would be lost, and the board would stay silent until
// the focus moved.
class Annonceur : public QObject, public Voix {
public:
    // What the voice needs of the board: the controls that may take the
    // focus to speak, first to last, and how the focus follows the cursor.
    struct Controles {
        QWidget* Fenetre = nullptr;
        std::function<QWidget*()> CaseDuCurseur;
        std::function<bool(const QWidget*)> DansLeCode;
        std::function<void()> SuivreCurseur;
        std::vector<QWidget*> Relais;
    };

    Annonceur(Controles controles, QObject* parent);

    // Says `texte`. `sujet`, when given, is a control whose name says
    // `texte`: from Qt 6.8 screen readers read it when the focus is on it,
    // and the message is not sent again.
    void Annoncer(const QString& texte, const QWidget* sujet = nullptr);
    void Dire(const QString& texte) override { Annoncer(texte); }
    // The window is active again after a dialog: the focus, when it was in
    // the code, comes back to the cursor's cell, and a message kept for this
    // moment is said, once.
    void Reprendre();
    // A scroll by a key says the moves then shown; the scroll bar keeps the focus.
    void DireDefilement(QScrollBar* barre);
    // The controls whose focus the voice follows.
    void Suivre(QWidget* controle);

    // While one is alive, what the voice is given waits, and the last of it
    // is said when it ends: the board's own message boxes come first.
    class Retenue {
    public:
        explicit Retenue(Annonceur& annonceur);
        ~Retenue();
        Retenue(const Retenue&) = delete;
        Retenue& operator=(const Retenue&) = delete;

    private:
        Annonceur& annonceur_;
    };

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void Prononcer(const QString& texte, const QWidget* sujet);

    Controles plateau_;
    QPointer<QWidget> annonce_;
    QPointer<QWidget> pretee_;
    bool enAttente_ = false;
    QString texteEnAttente_;
    QPointer<const QWidget> sujetEnAttente_;
    int retenues_ = 0;
    bool retenu_ = false;
    QString texteRetenu_;
    QPointer<const QWidget> sujetRetenu_;
};

}  // namespace vorlinde::ui
