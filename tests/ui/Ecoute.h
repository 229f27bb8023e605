// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// What the board tells a screen reader, whichever way the Qt it runs on lets
// it speak: from Qt 6.8 its accessible announcements, before that the
// description of the control that the focus moved to. What Orca itself says
// is checked by tests/e2e/orca.sh.
#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace banc {

class Ecoute {
public:
    Ecoute()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        Annonces().clear();
        QAccessible::installUpdateHandler([](QAccessibleEvent* evenement) {
            if (evenement->type() == QAccessible::Announcement)
                Annonces().append(static_cast<QAccessibleAnnouncementEvent*>(evenement)->message());
        });
#endif
    }
    ~Ecoute()
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        QAccessible::installUpdateHandler(nullptr);
#endif
    }
    Ecoute(const Ecoute&) = delete;
    Ecoute& operator=(const Ecoute&) = delete;

    // The last message, or an empty text.
    QString Derniere(QWidget& fenetre) const
    {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        Q_UNUSED(fenetre);
        return Annonces().isEmpty() ? QString() : Annonces().back();
#else
        // The window's focus, even while the window is not active.
        QWidget* cible = fenetre.window()->focusWidget() ? fenetre.window()->focusWidget() : &fenetre;
        return QAccessible::queryAccessibleInterface(cible)->text(QAccessible::Description);
#endif
    }

private:
    static QStringList& Annonces()
    {
        static QStringList annonces;
        return annonces;
    }
};

}  // namespace banc
