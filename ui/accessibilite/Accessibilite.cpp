// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
//
// What screen readers are given instead of Qt's own interfaces: labels read
// by their own names, the history's scroll bar by the moves it shows, menu
// items with their shortcuts.
#include "Accessibilite.h"

#include <QAccessibleWidget>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QVariant>
#include <QWindow>

#include <map>

#include "ElementMenu.h"

namespace vorlinde::ui {

namespace {

// Read by its own name alone. Screen readers read every text of a window
// as it opens, but not what they take for a plain part of it (Client).
class EtiquetteAccessible : public QAccessibleWidget {
public:
    EtiquetteAccessible(QWidget* etiquette, QAccessible::Role role) : QAccessibleWidget(etiquette, role) { }

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

// One position of the history's scroll bar, as screen readers that read
// nothing but the focus hear it: each scroll by a key gives the focus, for
// them only, to the position reached, which says the moves then shown. The
// scroll bar itself keeps the keyboard's focus.
class PageAccessible : public QAccessibleInterface {
public:
    PageAccessible(QScrollBar* barre, int position) : barre_(barre), position_(position) { }

    void Nommer(const QString& nom) { nom_ = nom; }

    bool isValid() const override { return barre_ != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return barre_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(barre_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? nom_ : QString(); }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return QRect(barre_->mapToGlobal(QPoint(0, 0)), barre_->size()); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State etat;
        etat.focusable = true;
        etat.focused = barre_->hasFocus() && barre_->value() == position_;
        return etat;
    }

private:
    QPointer<QScrollBar> barre_;
    int position_;
    QString nom_;
};

class DefilementAccessible : public QAccessibleWidget {
public:
    explicit DefilementAccessible(QScrollBar* barre) : QAccessibleWidget(barre, QAccessible::ScrollBar) { }
    ~DefilementAccessible() override
    {
        for (const auto& [position, id] : pages_)
            QAccessible::deleteAccessibleInterface(id);
    }

    void DirePosition()
    {
        auto* barre = static_cast<QScrollBar*>(widget());
        auto& id = pages_[barre->value()];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new PageAccessible(barre, barre->value()));
        auto* page = static_cast<PageAccessible*>(QAccessible::accessibleInterface(id));
        page->Nommer(barre->accessibleName());
        QAccessibleEvent focus(page, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }

private:
    std::map<int, QAccessible::Id> pages_;
};

const char* const ProprieteRole = "vorlindeLuParSonNom";

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet)
{
    // Asked once per class of the object's ancestry, from its own: the
    // interface is made for the most derived one.
    if (auto* widget = qobject_cast<QWidget*>(objet);
        widget != nullptr && classe == QLatin1String(objet->metaObject()->className())) {
        const QVariant role = widget->property(ProprieteRole);
        if (role.isValid())
            return new EtiquetteAccessible(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    // The history's scroll bar says which moves it shows, by its name; the
    // position it would give as a value is a bare number to the listener.
    if (auto* defilement = qobject_cast<QScrollBar*>(objet); defilement != nullptr
        && classe == QLatin1String("QScrollBar") && defilement->objectName() == QLatin1String("VScroll1"))
        return new DefilementAccessible(defilement);
    return nullptr;
}

}  // namespace

void LuParSonNom(QWidget* widget, QAccessible::Role role)
{
    widget->setProperty(ProprieteRole, static_cast<int>(role));
}

void DireLaPosition(QScrollBar* barre)
{
    if (auto* defilement = dynamic_cast<DefilementAccessible*>(QAccessible::queryAccessibleInterface(barre)))
        defilement->DirePosition();
}

void InstallerAccessibilite()
{
    static const bool installee = [] {
        QAccessible::installFactory(&FabriqueAccessible);
        QAccessible::installFactory(&FabriqueElementMenu);
        return true;
    }();
    Q_UNUSED(installee);
}

void DireLaLigneCourante(QListWidget* liste)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QObject::connect(liste, &QListWidget::currentItemChanged, liste, [liste](QListWidgetItem* element) {
        liste->setAccessibleDescription(element ? element->data(Qt::AccessibleTextRole).toString() : QString());
    });
#else
    Q_UNUSED(liste);
#endif
}

}  // namespace vorlinde::ui
