// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic of the history view: which scroll-bar settings follow from a
// move count and a scroll position, and which move each of the ten rows shows.
#include <array>

namespace vorlinde {

inline constexpr int LignesHistorique = 10;

struct EtatDefilement {
    int Min = 0;
    int Max = 1;
    int Value = 1;
    bool Enabled = false;
    // Move shown in each row, 0 for a blank row.
    std::array<int, LignesHistorique> CoupDeLigne{};

    bool operator==(const EtatDefilement&) const = default;
};

// The settings after the view is fitted to `nbCoups` moves, starting from the
// scroll bar's current `value`. Position 0 becomes 1, a position above
// the new maximum comes down to it, and a position at maximum - 1 or more goes
// to the maximum (so that position never stays). This is the state that the
// nested change events of the scroll bar settle in, computed in one pass.
EtatDefilement AjusterDefilement(int nbCoups, int value);

}  // namespace vorlinde
