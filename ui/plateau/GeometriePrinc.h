// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// The board window's geometry in twips. A position is the top-left corner
// relative to the client area or to the outer corner of the enclosing frame.
namespace vorlinde::ui::geometrie {

struct Rect {
    int Left, Top, Width, Height;
};

inline constexpr int LargeurClient = 6390;
inline constexpr int HauteurClient = 8550;

inline constexpr Rect Frame1{0, 0, 6375, 3135};
inline constexpr Rect Frame2{0, 3240, 6375, 975};
inline constexpr Rect Frame3{0, 4320, 6375, 4215};
inline constexpr Rect Frame4{120, 240, 1575, 3855};  // in Frame3
inline constexpr Rect Frame5{2280, 240, 1215, 3855};
inline constexpr Rect Frame6{4200, 240, 1095, 3855};

// Swatch k standing in list row `rangee` (0..3): the rows are 720 apart.
inline constexpr Rect LblCoulSource(int k, int rangee = 0)
{
    return {120 + 720 * k, 240 + 720 * rangee, 615, 615};
}
inline constexpr Rect CmdMove(int k)
{
    return {5880, k == 0 ? 240 : 2640, 375, 375};
}
inline constexpr Rect LblCode(int k)
{
    return {120 + 720 * k, 240, 615, 615};
}
inline constexpr Rect CmdOK{3480, 240, 2775, 615};
inline constexpr Rect LblResult(int k)
{
    return {120 + 360 * (k % 4), 240 + 360 * (k / 4), 255, 255};
}
inline constexpr Rect LblBiPl(int k)
{
    return {120, 240 + 360 * k, 975, 255};
}
inline constexpr Rect LblMalPl(int k)
{
    return {120, 240 + 360 * k, 855, 255};
}
inline constexpr Rect VScroll1{6000, 360, 255, 3735};

}  // namespace vorlinde::ui::geometrie
