// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

namespace vorlinde::ui {

// Screen readers hear each menu item with its shortcut (« Sauvegarger,
// Ctrl+S ») and, for one that can be ticked, whether it is. Called once,
// before the first menu is built.
void InstallerMenusAccessibles();

}  // namespace vorlinde::ui
