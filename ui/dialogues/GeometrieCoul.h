// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The colour editor's geometry in twips, relative to its client area.
#include "plateau/GeometriePrinc.h"

namespace vorlinde::ui::geometrie_coul {

inline constexpr int LargeurClient = 5880;
inline constexpr int HauteurClient = 1395;

inline constexpr geometrie::Rect LblCoulSource(int k)
{
    return {120 + 720 * k, 120, 615, 615};
}
inline constexpr geometrie::Rect CmdOK{120, 840, 2775, 495};
inline constexpr geometrie::Rect CmdCancel{3000, 840, 2775, 495};

}  // namespace vorlinde::ui::geometrie_coul
