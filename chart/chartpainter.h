// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/chartgeometry.h"
#include "chart/chartstyle.h"

#include <array>
#include <optional>
#include <utility>

class QPainter;

namespace cyclara {

class DayTableModel;

// What the chart shows of its table: bars or lines, which of the five series are drawn, and
// whether it has the keyboard focus.
struct ChartView {
    bool bars = false;
    std::array<bool, seriesCount> hidden{}; // by series
    bool focused = false;

    // The series drawn, in order.
    QList<Series> shownSeries() const;
};

// What every chart of days draws, whatever its series: the plot with its grid, value labels and
// zero line, the band of `selectedRow`, the day labels and the line of `todayRow` (rows from 0,
// -1 for none). Only the parts that reach into `exposed` are drawn.
void paintDayPlot(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                  const QFont &font, int selectedRow, int todayRow, const QRectF &exposed);
// Where the plot's drawing reaches, labels and markers at its edges included.
QRectF plotReach(const ChartGeometry &geometry, const QFont &font);
// The days whose drawing can reach into `exposed`: those whose slot it touches, and one more on
// either side for the line segments that lead to them.
std::pair<int, int> daysReaching(const ChartGeometry &geometry, const QRectF &exposed);
// A critical day's diamond in `colour` at `centre`.
void paintCriticalDiamond(QPainter &painter, QPointF centre, const QColor &colour,
                          const ChartStyle &style);
// `font` sized in pixels as the screen sizes it: a chart drawn onto another device (a printer)
// is drawn in screen pixels, scaled, and a font in points would take that device's resolution.
QFont fontInPixels(QFont font);

// One entry of a legend in `item`: a sample of `line`, or with `swatch` (an outline colour and a
// fill) a bar's square, then `text`.
void paintLegendEntry(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                      const QRectF &item, const QPen &line,
                      const std::optional<std::pair<QColor, QBrush>> &swatch, const QString &text);

// The keyboard focus's frame along the chart's card.
void paintChartFocus(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style);

// Where the critical-day marker of day `row` stands, for `cycles` critical cycles.
QRectF criticalMarkerRect(const ChartGeometry &geometry, int row, int cycles);

// Draws the chart of `days` as laid out by `geometry`: the plot with its grid and zero line, the
// band of the current day, the line of today, the value and day labels, the legend, the series as
// lines with markers or as groups of bars, and the markers of critical days on the zero line.
// Only the parts that reach into `exposed` are drawn. Used for the screen and for anything else
// the chart is drawn on.
void paintChart(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                const QFont &font, const DayTableModel &days, const ChartView &view,
                const QRectF &exposed);

} // namespace cyclara
