// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>

class QListWidget;
class QScrollBar;
class QWidget;

namespace vorlinde::ui {

// Lets screen readers read the labels marked by LuParSonNom by their own
// names, the history's scroll bar by the moves it shows, and the menu items
// with their shortcuts. Called once, before the first window is shown.
void InstallerAccessibilite();

// `widget` (a label) is read by its own name only, never by the title of the
// frame around it, with `role`; one without a name is passed by.
void LuParSonNom(QWidget* widget, QAccessible::Role role);

// For screen readers that read nothing but the focus: the history's scroll
// bar says the moves it now shows, and keeps the focus.
void DireLaPosition(QScrollBar* barre);

// Where Qt does not tell screen readers which row a list stands on as the
// focus arrives (before 6.8), the list says it in its description; later
// ones do, and Orca reads it.
void DireLaLigneCourante(QListWidget* liste);

}  // namespace vorlinde::ui
