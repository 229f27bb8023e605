// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#include "Graine.h"

#include <chrono>

namespace vorlinde {

std::uint64_t GraineHorloge()
{
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count())
        ^ static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace vorlinde
