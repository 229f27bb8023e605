// SPDX-FileCopyrightText: 2026 The Vorlinde developers
// SPDX-License-Identifier: MIT
#pragma once

// Every position and size of the windows is written in twips (1/1440 inch) and
// converted here only: 15 twips make one device-independent pixel, and Qt's
// high-DPI scaling does the rest.
#include <QRect>
#include <QSize>

namespace vorlinde::ui {

inline constexpr int TwipsParPixel = 15;

constexpr int Px(int twips)
{
    return twips / TwipsParPixel;
}
constexpr int Twips(int pixels)
{
    return pixels * TwipsParPixel;
}

inline QRect RectTwips(int left, int top, int width, int height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline QSize TailleTwips(int width, int height)
{
    return {Px(width), Px(height)};
}

}  // namespace vorlinde::ui
