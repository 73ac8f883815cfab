#pragma once

#include "chart/chartgeometry.h"
#include "chart/chartstyle.h"

#include <array>

class QPainter;

namespace cyclara {

class DayTableModel;

// What the chart shows of its table: bars or lines, and which of the five series are drawn.
struct ChartView {
    bool bars = false;
    std::array<bool, 6> hidden{}; // [series], series 1..5; [0] unused

    // The series drawn, in order.
    QList<int> shownSeries() const;
};

// Draws the chart of `days` as laid out by `geometry`: the plot with its grid and zero line, the
// value and day labels, the legend, and the series as lines with markers or as groups of bars.
// Only the parts that reach into `exposed` are drawn. Used for the screen and for anything else
// the chart is drawn on.
void paintChart(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                const QFont &font, const DayTableModel &days, const ChartView &view,
                const QRectF &exposed);

} // namespace cyclara
