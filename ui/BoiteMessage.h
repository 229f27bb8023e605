// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The message-box layer. A style is a button set (0 OK, 3 Yes/No/Cancel) plus
// an icon (16 stop, 32 question, 48 exclamation); the answer is 1 OK, 6 Yes,
// 7 No or 2 Cancel, which is also the answer to Escape or to closing the box.
#include <QString>

#include <deque>
#include <vector>

class QWidget;

namespace vorlinde::ui {

class BoiteMessage {
public:
    virtual ~BoiteMessage() = default;

    // Shows a modal box; a box given no title shows "Vorlinde".
    int MsgBox(QWidget* parent, const QString& texte, int style, const QString& titre = {});

protected:
    virtual int Montrer(QWidget* parent, const QString& texte, int style, const QString& titre) = 0;
};

// Qt's own QMessageBox, in the language of the translator loaded at start-up.
class BoiteMessageQt : public BoiteMessage {
protected:
    int Montrer(QWidget* parent, const QString& texte, int style, const QString& titre) override;
};

// For tests: records each box and answers from a queue chosen by the test
// (Cancel for a question and OK otherwise when the queue is empty).
class BoiteMessageScriptee : public BoiteMessage {
public:
    struct Appel {
        QString Texte;
        QString Titre;
        int Style = 0;
    };
    std::vector<Appel> Appels;
    std::deque<int> Reponses;

protected:
    int Montrer(QWidget* parent, const QString& texte, int style, const QString& titre) override;
};

}  // namespace vorlinde::ui
