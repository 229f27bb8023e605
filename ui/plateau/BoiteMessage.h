// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The message-box layer: a modal box given a text, a title and a style, which
// returns the button pressed. Escape and the box's close button answer Cancel
// to a question and OK otherwise.
#include <QString>

class QWidget;

namespace vorlinde::ui {

enum class JeuBoutons { OK, OuiNonAnnuler, OuiNon };
enum class IconeBoite { Aucune, Stop, Question, Exclamation };

struct StyleBoite {
    JeuBoutons Boutons = JeuBoutons::OK;
    IconeBoite Icone = IconeBoite::Aucune;
    bool operator==(const StyleBoite&) const = default;
};

// The styles the board uses, with the numbers they have always been known by.
namespace styles {
inline constexpr StyleBoite Aucun{};                                                                 // 0
inline constexpr StyleBoite Stop{JeuBoutons::OK, IconeBoite::Stop};                                  // 16
inline constexpr StyleBoite QuestionOuiNonAnnuler{JeuBoutons::OuiNonAnnuler, IconeBoite::Question};  // 35
inline constexpr StyleBoite Exclamation{JeuBoutons::OK, IconeBoite::Exclamation};                    // 48
inline constexpr StyleBoite QuestionOuiNon{JeuBoutons::OuiNon, IconeBoite::Question};                // 36
}  // namespace styles

enum class Reponse { OK, Oui, Non, Annuler };

class BoiteMessage {
public:
    virtual ~BoiteMessage() = default;

    // Shows a modal box; a box given no title shows "Vorlinde".
    Reponse MsgBox(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre = {});

protected:
    virtual Reponse Montrer(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre) = 0;
};

// Qt's own QMessageBox, in the language of the translator loaded at start-up.
class BoiteMessageQt : public BoiteMessage {
protected:
    Reponse Montrer(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre) override;
};

}  // namespace vorlinde::ui
