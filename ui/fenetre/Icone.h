// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace vorlinde::ui {

// The program's icon, drawn at 16, 32, 48, 64 and 128 pixels.
QIcon IconeProgramme();

}  // namespace vorlinde::ui
