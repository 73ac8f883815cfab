// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowlayout.h"

#include <cmath>

namespace cyclara {

namespace {

// A move to a negative size fails and leaves the control as it was; the layout goes on.
void moveIfValid(TwipsBox &box, const TwipsBox &target)
{
    if (target.width >= 0 && target.height >= 0)
        box = target;
}

} // namespace

void layOutWindow(WindowPlaces &p, float W, float H, bool showExplain)
{
    p.panelVisible = showExplain;
    if (showExplain) {
        moveIfValid(p.panel, {0, H - p.panel.height, W, p.panel.height});
        moveIfValid(p.chart,
                    {p.chart.left, p.chart.top, W - p.chart.left, p.panel.top - p.chart.top - 50});
    } else {
        moveIfValid(p.chart, {p.chart.left, p.chart.top, W - p.chart.left, H - p.chart.top - 50});
    }
    moveIfValid(p.prompt, {0, p.prompt.top, W, p.prompt.height});

    // Where queryButton would end 200 twips from the right edge; the tests below are strict.
    const float x = std::nearbyint(W - p.queryButton.width - 200);
    if (p.personName.right() + 100 < x)
        p.queryButton.left = x;
    p.helpButton.left = p.queryButton.left;
    if (p.lastSeriesCheck.right() + 200 < x) {
        p.explanationSwitch.left = p.queryButton.left;
        p.homeLink.left = p.explanationSwitch.right() + 100;
    }
}

float explainLabelWidth(float innerWidth, float left)
{
    const float width = innerWidth - left - 100;
    return width < 0 ? 0 : width;
}

} // namespace cyclara
