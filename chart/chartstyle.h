#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>

namespace cyclara {

// How the chart draws: the colours of its plot and text and the look of each of the five series.
// Series count from 1, as the window's check boxes do.
struct ChartStyle {
    QColor plotBackground;
    QColor plotBorder;
    QColor grid;
    QColor zeroLine;
    QColor text;

    // The colour of a series: Okabe–Ito colours, which stay apart for the common forms of colour
    // blindness.
    static QColor seriesColour(int series);
    // The line of a series; the two means are dashed so that they stand apart without colour too.
    static QPen seriesPen(int series);
    // The fill of a series' bars; the two means are hatched.
    static QBrush seriesBrush(int series);
};

ChartStyle lightChartStyle(const QColor &text);

} // namespace cyclara
