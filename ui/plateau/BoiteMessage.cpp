// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "BoiteMessage.h"

#include "Traduction.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QShortcut>

#include "textes/Textes.h"

namespace vorlinde::ui {
namespace {

QMessageBox::Icon IconeQt(IconeBoite icone)
{
    switch (icone) {
    case IconeBoite::Stop:
        return QMessageBox::Critical;
    case IconeBoite::Question:
        return QMessageBox::Question;
    case IconeBoite::Exclamation:
        return QMessageBox::Warning;
    case IconeBoite::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

Reponse BoiteMessage::MsgBox(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre)
{
    return Montrer(parent, texte, style, titre.isEmpty() ? QString::fromUtf8(textes::Application) : titre);
}

Reponse BoiteMessageQt::Montrer(QWidget* parent, const QString& texte, StyleBoite style, const QString& titre)
{
    TraduireAuBesoin();
    QMessageBox boite(IconeQt(style.Icone), titre, texte, QMessageBox::NoButton, parent);
    boite.setTextFormat(Qt::PlainText);
    // Ctrl+C copies the box's sentence, to paste it elsewhere: the check of a
    // code, a reason to report. Qt's own boxes do so on one system only.
    const QShortcut copier(QKeySequence::Copy, &boite, [&texte] { QGuiApplication::clipboard()->setText(texte); });
    const bool question = style.Boutons == JeuBoutons::OuiNonAnnuler;
    if (question) {
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        boite.setDefaultButton(QMessageBox::Yes);
        boite.setEscapeButton(QMessageBox::Cancel);
    } else if (style.Boutons == JeuBoutons::OuiNon) {
        // Escape, or closing the box, answers « Non ».
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        boite.setDefaultButton(QMessageBox::Yes);
        boite.setEscapeButton(QMessageBox::No);
    } else {
        boite.setStandardButtons(QMessageBox::Ok);
        boite.setDefaultButton(QMessageBox::Ok);
    }
    switch (boite.exec()) {
    case QMessageBox::Yes:
        return Reponse::Oui;
    case QMessageBox::No:
        return Reponse::Non;
    default:
        return question ? Reponse::Annuler : style.Boutons == JeuBoutons::OuiNon ? Reponse::Non : Reponse::OK;
    }
}

}  // namespace vorlinde::ui
