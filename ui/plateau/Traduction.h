// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

class QObject;

namespace vorlinde::ui {

// Puts Qt's own buttons and dialogs in French from the system's qtbase_fr.qm,
// with French as the default locale (dates, the types of files). Returns
// false, and leaves Qt's texts in English, when that file is missing.
bool InstallerTraductionFrancaise(QObject* parent);

// The same, once, before the first of Qt's own dialogs or boxes opens: the
// main window shows none of Qt's texts, and does not wait for them.
void TraduireAuBesoin();

}  // namespace vorlinde::ui
