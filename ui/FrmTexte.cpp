// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "FrmTexte.h"
#include "accessibilite/Texte.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlinde::ui {

FrmTexte::FrmTexte(const QString& titre, const QString& texte, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(titre);
    auto* zone = new QPlainTextEdit(texte, this);
    zone->setObjectName(QStringLiteral("TxtAide"));
    zone->setReadOnly(true);
    // A caret to move line by line, as screen readers read.
    zone->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    zone->setAccessibleName(titre);
    zone->setTabChangesFocus(true);
    // About seventy characters a line and thirty lines, at the desktop's text.
    const QFontMetrics mesures(zone->font());
    zone->setMinimumSize(mesures.averageCharWidth() * 72, mesures.lineSpacing() * 30);

    auto* boutons = new QDialogButtonBox(this);
    auto* fermer = boutons->addButton(Utf8(textes::BoutonFermer), QDialogButtonBox::RejectRole);
    fermer->setObjectName(QStringLiteral("CmdFermer"));
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* plan = new QVBoxLayout(this);
    plan->addWidget(zone);
    plan->addWidget(boutons);
    zone->setFocus();
}

}  // namespace vorlinde::ui
