// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "ElementMenu.h"
#include "catalogue/Catalogue.h"

#include <QAccessibleObject>
#include <QAction>
#include <QMenu>
#include <QPointer>

namespace vorlinde::ui {
namespace {

// A menu item as screen readers need it: Qt's own gives its shortcut in a
// form that Orca does not read (one part, where it looks for
// "mnemonic;sequence;shortcut"), and before Qt 6.8 never says that an item
// can be ticked.
class ElementMenuAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    ElementMenuAccessible(QMenu* menu, QAction* action) : QAccessibleObject(action), menu_(menu), action_(action) { }

    bool isValid() const override { return QAccessibleObject::isValid() && menu_ != nullptr; }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QWindow* window() const override { return menu_->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QRect rect() const override { return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint(0, 0))); }
    QAccessible::Role role() const override
    {
        return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State etat;
        etat.invisible = !menu_->isVisible() || !action_->isVisible();
        etat.focused = menu_->activeAction() == action_;
        etat.disabled = action_->isSeparator() || !action_->isEnabled();
        etat.checkable = action_->isCheckable();
        etat.checked = action_->isChecked();
        return etat;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            QString nom = QString(action_->text()).remove(QLatin1Char('&'));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            // This Qt does not pass the state on to the bus: the name says it.
            // Later ones do, and screen readers say it themselves.
            if (action_->isCheckable())
                nom += action_->isChecked() ? Utf8(textes::Coche) : Utf8(textes::NonCoche);
#endif
            return nom;
        }
        if (t == QAccessible::Accelerator)
            return action_->shortcut().isEmpty() ? QKeySequence::mnemonic(action_->text()).toString()
                                                 : action_->shortcut().toString();
        return {};
    }

    QStringList actionNames() const override
    {
        return action_->isSeparator() ? QStringList() : QStringList{pressAction()};
    }
    void doAction(const QString& nom) override
    {
        if (nom == pressAction() && action_->isEnabled())
            action_->trigger();
    }
    // The shortcut in the third part: the one that Orca reads as the item's
    // shortcut, whether it holds Ctrl (Ctrl+S) or not (F2).
    QStringList keyBindingsForAction(const QString& nom) const override
    {
        if (nom != pressAction() || action_->shortcut().isEmpty())
            return {};
        return {QStringLiteral(";;") + action_->shortcut().toString()};
    }

private:
    QPointer<QMenu> menu_;
    QAction* action_;
};

}  // namespace

QAccessibleInterface* FabriqueElementMenu(const QString& classe, QObject* objet)
{
    auto* action = qobject_cast<QAction*>(objet);
    if (action == nullptr || classe != QLatin1String("QAction") || action->menu<QMenu*>() != nullptr)
        return nullptr;
    for (QObject* proprietaire : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(proprietaire))
            return new ElementMenuAccessible(menu, action);
    return nullptr;
}

}  // namespace vorlinde::ui
