// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Etiquette.h"

#include <QMouseEvent>

#include "game/Couleurs.h"

namespace vorlinde::ui {

QColor VersQColor(std::int32_t valeur)
{
    return QColor(Rouge(valeur), Vert(valeur), Bleu(valeur));
}

std::int32_t DepuisQColor(const QColor& couleur)
{
    return Rgb(couleur.red(), couleur.green(), couleur.blue());
}

Etiquette::Etiquette(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::NoFocus);
    SetBackColor(0);
}

void Etiquette::SetBackColor(std::int32_t valeur)
{
    if (valeur == backColor_)
        return;
    backColor_ = valeur;
    QPalette p = palette();
    p.setColor(QPalette::Window, VersQColor(valeur));
    setPalette(p);
}

void Etiquette::SetForeColor(std::int32_t valeur)
{
    if (valeur == foreColor_)
        return;
    foreColor_ = valeur;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, VersQColor(valeur));
    setPalette(p);
}

void Etiquette::SetCaption(const QString& texte)
{
    if (texte != text())
        setText(texte);
    emit CaptionChange();
}

void Etiquette::SetDescription(const QString& texte)
{
    if (texte == toolTip())
        return;
    setToolTip(texte);
    setAccessibleName(texte);
}

void Etiquette::mousePressEvent(QMouseEvent* event)
{
    appui_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Etiquette::mouseReleaseEvent(QMouseEvent* event)
{
    const bool clic = appui_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    appui_ = false;
    QLabel::mouseReleaseEvent(event);
    if (clic)
        emit Click();
}

}  // namespace vorlinde::ui
