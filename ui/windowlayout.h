// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace cyclara {

// A control's place in twips. The layout computes in single precision: its tests pin the exact
// places that arithmetic gives (10070 for 主页 at the starting size, say).
struct TwipsBox {
    float left = 0, top = 0, width = 0, height = 0;

    float right() const { return left + width; }
    friend bool operator==(const TwipsBox &, const TwipsBox &) = default;
};

// The places the window layout reads and moves.
struct WindowPlaces {
    TwipsBox panel, chart, prompt, queryButton, helpButton, explanationSwitch, homeLink;
    TwipsBox personName, lastSeriesCheck; // read only
    bool panelVisible = true;

    friend bool operator==(const WindowPlaces &, const WindowPlaces &) = default;
};

// Fits the places to a client area of W x H twips: the explanation panel at the bottom (or
// hidden), the chart and the title line stretched to the right edge, and the right-hand column
// of controls kept near the right edge while there is room for it. A move that would give a
// negative width or height is skipped, leaving that control where it was.
void layOutWindow(WindowPlaces &places, float W, float H, bool showExplain);

// Width of an explanation label that starts at `left` inside a panel of `innerWidth`: it ends
// 100 twips before the panel's inner edge, and never gets a negative width.
float explainLabelWidth(float innerWidth, float left);

} // namespace cyclara
