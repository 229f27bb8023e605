// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Message boxes and standard dialogs that answer as a test chose and record
// what the board asked of them.
#include <deque>
#include <optional>
#include <variant>
#include <vector>

#include "dialogues/Dial.h"
#include "plateau/BoiteMessage.h"

namespace vorlinde::ui {

// Answers from a queue (Cancel to a question and OK otherwise when it is empty).
class BoiteMessageScriptee : public BoiteMessage {
public:
    struct Appel {
        QString Texte;
        QString Titre;
        StyleBoite Style;
    };
    std::vector<Appel> Appels;
    std::deque<Reponse> Reponses;

protected:
    Reponse Montrer(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre) override;
};

// Answers with the paths and colours queued by the test (cancel when the
// queue is empty or holds the other kind).
class DialogueScripte : public DialogueStandard {
public:
    struct Usage {
        QString Methode;  // "ShowOpen", "ShowSave" or "ShowColor"
        ParametresDial Parametres;
    };
    std::vector<Usage> Usages;
    std::deque<std::variant<QString, std::int32_t>> Reponses;

    QString ShowOpen(QWidget* parent, const ParametresDial& parametres) override;
    QString ShowSave(QWidget* parent, const ParametresDial& parametres) override;
    std::int32_t ShowColor(QWidget* parent, std::int32_t couleur) override;

private:
    template <typename T> std::optional<T> Suivante();
};

}  // namespace vorlinde::ui
