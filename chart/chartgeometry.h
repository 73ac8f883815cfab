// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>

namespace cyclara {

// Where the chart puts everything in a given area: the legend row at the top, the value axis'
// labels at the left, the plot, and the day labels below it (broken at their blanks onto several
// lines, or upright and smaller, when the days stand too close for them side by side). Worked out
// once per size and table, not at every paint.
struct ChartGeometry {
    static constexpr double valueMin = -100;
    static constexpr double valueMax = 100;
    static constexpr int valueStep = 25;
    static constexpr qreal barGroupShare = 0.8; // of a day's slot, taken by its group of bars
    static constexpr qreal labelGap = 4;        // between the plot and its labels

    QRectF area;
    // What the chart fills when it has a background of its own: all but the top strip, which may
    // lie over the title line above the chart.
    QRectF card;
    QRectF plot;
    QRectF legendRow;
    QList<QRectF> legendItems; // one per legend entry: sample and text
    qreal legendSampleWidth = 0;
    QFont dayLabelFont;
    bool dayLabelsUpright = false;
    QStringList dayLabelTexts; // as drawn: perhaps dates, perhaps broken at blanks onto lines
    qreal dayLabelDepth = 0;   // how far below the plot the day labels reach
    int dayCount = 0;
    // Every how many units the value axis is labelled: 25, or 50, 100 or 200 where a low plot
    // leaves too little room between the grid lines for their labels; 0 for no labels at all.
    int valueLabelStep = valueStep;

    qreal slotWidth() const { return dayCount > 0 ? plot.width() / dayCount : plot.width(); }
    // The middle of day `row` (counted from 0) across the plot.
    qreal dayCentre(int row) const { return plot.left() + (row + 0.5) * slotWidth(); }
    // The height of `value` on the value axis; values beyond it are drawn at its ends.
    qreal valueY(double value) const;
    // The bar of a day, at `place` among `count` bars drawn for it.
    QRectF barRect(int row, int place, int count, double value) const;
    // The box below the plot that the label of day `row` is drawn in.
    QRectF dayLabelBox(int row) const;
    // Whether the grid line of `value` carries its label.
    bool valueLabelled(int value) const
    {
        return valueLabelStep > 0 && (int(valueMax) - value) % valueLabelStep == 0;
    }
};

// Lays the chart out in `area` with its text in `font`. The days are named by `dayLabels`, or by
// `dateLabels` where those would take too much room. `legendLabels` are the entries shown; `bars`
// says which sample the legend draws (a swatch is narrower than a line).
ChartGeometry layOutChart(const QRectF &area, const QFont &font, const QStringList &dayLabels,
                          const QStringList &dateLabels, const QStringList &legendLabels,
                          bool bars);

} // namespace cyclara
