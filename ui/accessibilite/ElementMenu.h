// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace vorlinde::ui {

// The accessible factory of menu items: screen readers hear each with its
// shortcut (« Sauvegarger, Ctrl+S ») and, for one that can be ticked,
// whether it is. Installed by InstallerAccessibilite.
QAccessibleInterface* FabriqueElementMenu(const QString& classe, QObject* objet);

}  // namespace vorlinde::ui
