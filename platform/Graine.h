// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace vorlinde {

// A seed that differs at each start, for the process's random source.
std::uint64_t GraineHorloge();

}  // namespace vorlinde
