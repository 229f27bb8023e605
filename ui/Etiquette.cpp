// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Etiquette.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QScrollBar>

namespace vorlinde::ui {

Etiquette::Etiquette(QWidget* parent) : Cellule<QLabel>(parent)
{
    setFrameShape(QFrame::NoFrame);
    setAlignment(Qt::AlignCenter);
}

void Etiquette::paintEvent(QPaintEvent*)
{
    QPainter peintre(this);
    PeindreFond(peintre);
    PeindreTexte(peintre, text());
    PeindreNumero(peintre);
}

namespace {

class EtiquetteAccessible : public QAccessibleWidget {
public:
    explicit EtiquetteAccessible(Etiquette* etiquette) : QAccessibleWidget(etiquette, QAccessible::StaticText) { }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }

    // A label without a name of its own is a part of something said
    // elsewhere, or blank: screen readers pass it by.
    QAccessible::State state() const override
    {
        auto etat = QAccessibleWidget::state();
        if (widget()->accessibleName().isEmpty())
            etat.invisible = true;
        return etat;
    }
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet)
{
    if (auto* etiquette = qobject_cast<Etiquette*>(objet);
        etiquette != nullptr && classe == QLatin1String(Etiquette::staticMetaObject.className()))
        return new EtiquetteAccessible(etiquette);
    // The history's scroll bar says which moves it shows, by its name; the
    // position it would give as a value is a bare number to the listener.
    if (auto* defilement = qobject_cast<QScrollBar*>(objet); defilement != nullptr
        && classe == QLatin1String("QScrollBar") && defilement->objectName() == QLatin1String("VScroll1"))
        return new QAccessibleWidget(defilement, QAccessible::ScrollBar);
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
