// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "BoiteMessage.h"

#include <QMessageBox>

#include "game/Messages.h"

namespace vorlinde::ui {
namespace {

constexpr int BoutonsOuiNonAnnuler = 3;

QMessageBox::Icon Icone(int style)
{
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

int BoiteMessage::MsgBox(QWidget* parent, const QString& texte, int style, const QString& titre)
{
    return Montrer(parent, texte, style, titre.isEmpty() ? QString::fromUtf8(messages::TitreApplication) : titre);
}

int BoiteMessageQt::Montrer(QWidget* parent, const QString& texte, int style, const QString& titre)
{
    QMessageBox boite(Icone(style), titre, texte, QMessageBox::NoButton, parent);
    boite.setTextFormat(Qt::PlainText);
    if ((style & 0x0F) == BoutonsOuiNonAnnuler) {
        boite.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        boite.setDefaultButton(QMessageBox::Yes);
        boite.setEscapeButton(QMessageBox::Cancel);
    } else {
        boite.setStandardButtons(QMessageBox::Ok);
        boite.setDefaultButton(QMessageBox::Ok);
    }
    switch (boite.exec()) {
    case QMessageBox::Ok:
        return messages::ReponseOK;
    case QMessageBox::Yes:
        return messages::ReponseOui;
    case QMessageBox::No:
        return messages::ReponseNon;
    default:
        return (style & 0x0F) == BoutonsOuiNonAnnuler ? messages::ReponseAnnuler : messages::ReponseOK;
    }
}

int BoiteMessageScriptee::Montrer(QWidget*, const QString& texte, int style, const QString& titre)
{
    Appels.push_back({texte, titre, style});
    if (!Reponses.empty()) {
        const int reponse = Reponses.front();
        Reponses.pop_front();
        return reponse;
    }
    return (style & 0x0F) == BoutonsOuiNonAnnuler ? messages::ReponseAnnuler : messages::ReponseOK;
}

}  // namespace vorlinde::ui
