// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Etiquette.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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
    if (texte != toolTip())
        setToolTip(texte);
    SetNomAccessible(texte);
}

void Etiquette::SetNomAccessible(const QString& nom)
{
    if (nom != accessibleName())
        setAccessibleName(nom);
}

void Etiquette::SetNumero(int numero)
{
    if (numero == numero_)
        return;
    numero_ = numero;
    update();
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

void Etiquette::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (numero_ <= 0)
        return;
    QPainter peintre(this);
    QFont police = font();
    police.setBold(true);
    police.setPixelSize(std::max(9, height() * 3 / 5));
    peintre.setFont(police);
    peintre.setPen(TexteNoirSur(backColor_) ? Qt::black : Qt::white);
    peintre.drawText(rect(), Qt::AlignCenter, QString::number(numero_));
}

namespace {

class EtiquetteAccessible : public QAccessibleWidget {
public:
    explicit EtiquetteAccessible(Etiquette* etiquette)
        : QAccessibleWidget(etiquette, etiquette->Cliquable() ? QAccessible::Button : QAccessible::StaticText)
    {
    }

    // The label's own name, never a name borrowed from the frame around it.
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (!Cible()->Cliquable())
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && Cible()->Cliquable() && Cible()->isEnabled())
            emit Cible()->Click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Etiquette* Cible() const { return static_cast<Etiquette*>(widget()); }
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet)
{
    if (auto* etiquette = qobject_cast<Etiquette*>(objet);
        etiquette != nullptr && classe == QLatin1String(Etiquette::staticMetaObject.className()))
        return new EtiquetteAccessible(etiquette);
    return nullptr;
}

}  // namespace

void InstallerAccessibilite()
{
    static const bool installee = [] {
        QAccessible::installFactory(&FabriqueAccessible);
        return true;
    }();
    Q_UNUSED(installee);
}

}  // namespace vorlinde::ui
