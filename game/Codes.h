// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Every code the game can hide or accept as a guess: four different colours
// out of eight, 8 x 7 x 6 x 5 = 1680 of them.
#include <vector>

#include "Partie.h"

namespace vorlinde {

inline constexpr int NbCodes = 1680;

// In increasing order of their text: 1234, 1235, ..., 8765.
const std::vector<Code4>& TousLesCodes();

}  // namespace vorlinde
