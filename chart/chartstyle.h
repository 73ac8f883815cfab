// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBrush>
#include <QColor>
#include <QPalette>
#include <QPen>

#include "model/biorhythm.h"
#include "model/furthercycles.h"

#include <array>

namespace cyclara {

// How the chart draws: its own background (none on a light desktop, where the white window shows
// through), the plot, the text, and the look of each of the five series. The colours follow the
// desktop's palette, light or dark, and keep the series at least 3:1 against the plot and the text
// at least 4.5:1 against what it stands on.
struct ChartStyle {
    bool dark = false;
    QColor background; // the chart's own background; transparent on a light desktop
    QColor plotBackground;
    QColor plotBorder;
    QColor grid;
    QColor zeroLine;
    QColor text;
    QColor selectedDay; // the band behind the day the status panel shows
    QColor todayLine;
    // Okabe–Ito hues, which stay apart for the common forms of colour blindness; darker ones on a
    // light plot, lighter ones on a dark plot.
    std::array<QColor, seriesCount> seriesColours; // by series

    QColor seriesColour(Series series) const { return seriesColours.at(at(series)); }
    // The line of a series; the two means are dashed so that they stand apart without colour too.
    QPen seriesPen(Series series) const;
    // The fill of a series' bars; the two means are hatched.
    QBrush seriesBrush(Series series) const;

    // The colour and the line of the person at `place` (0 to 7) when several are charted
    // together: the eight Okabe–Ito hues, darkened or lightened to stand 3:1 against the plot,
    // each with a dash of its own so that the people stand apart without colour too.
    QColor personColour(int place) const;
    QPen personPen(int place) const;

    // The further cycles' lines (and bars), apart from the five series' in colour and in dash.
    QColor furtherColour(FurtherCycle cycle) const;
    QPen furtherPen(FurtherCycle cycle) const;
};

// The style for a chart shown with `palette` (its Base and Text roles tell a dark desktop).
ChartStyle chartStyle(const QPalette &palette);

// WCAG contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

} // namespace cyclara
