// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>

#include <cstdint>

namespace vorlinde::ui {

// The player's local date, as yyyymmdd: the day of the day's code.
inline std::int32_t AujourdHui()
{
    const QDate jour = QDate::currentDate();
    return jour.year() * 10000 + jour.month() * 100 + jour.day();
}

}  // namespace vorlinde::ui
