// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QtNumeric>

namespace cyclara {

// The window's places and sizes are kept in twips (1/1440 inch); this is the one place where they
// become logical pixels (15 twips each). Qt's device-pixel ratio takes care of high-DPI screens.
inline constexpr float twipsPerPixel = 15.0f;

inline int twipsToPixels(float twips)
{
    return qRound(twips / twipsPerPixel);
}

inline float pixelsToTwips(int pixels)
{
    return float(pixels) * twipsPerPixel;
}

inline QRect twipsToPixels(float left, float top, float width, float height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace cyclara
