// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Etiquette.h"

#include <QAccessibleWidget>
#include <QPaintEvent>

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
