// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chartpainter.h"

#include "model/daytablemodel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <bit>
#include <cmath>

namespace cyclara {

namespace {

constexpr qreal markerRadius = 3;
constexpr qreal zeroLineWidth = 1.5;
constexpr qreal criticalRadius = 4;  // of one cycle's diamond on the zero line
constexpr qreal criticalSpacing = 9; // between the diamonds of one day
constexpr qreal todayLineWidth = 1.5;

// The day's band, behind everything else in the plot.
void paintSelectedDay(QPainter &painter, const ChartGeometry &g, const ChartStyle &style, int row)
{
    if (row < 0 || row >= g.dayCount)
        return;
    painter.fillRect(
        QRectF(g.dayCentre(row) - g.slotWidth() / 2, g.plot.top(), g.slotWidth(), g.plot.height()),
        style.selectedDay);
}

void paintToday(QPainter &painter, const ChartGeometry &g, const ChartStyle &style, int row)
{
    if (row < 0 || row >= g.dayCount)
        return;
    painter.setPen(QPen(style.todayLine, todayLineWidth));
    painter.drawLine(QPointF(g.dayCentre(row), g.plot.top()),
                     QPointF(g.dayCentre(row), g.plot.bottom()));
}

// A diamond in each critical cycle's colour, side by side; two or three together are framed,
// since such days count twice or three times over.
void paintCriticalDays(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                       const DayTableModel &days)
{
    for (int row = 0; row < days.dayCount(); ++row) {
        const CriticalCycles cycles = days.day(row).critical;
        const int count = std::popcount(cycles);
        if (count == 0)
            continue;
        const QRectF box = criticalMarkerRect(g, row, count);
        if (count > 1) {
            painter.setPen(QPen(style.text, 1.5));
            painter.setBrush(style.plotBackground);
            painter.drawRoundedRect(box, 4, 4);
        }
        qreal x = box.center().x() - criticalSpacing * (count - 1) / 2;
        for (int cycle = 0; cycle < cycleCount; ++cycle) {
            if (!(cycles & (1u << cycle)))
                continue;
            paintCriticalDiamond(painter, QPointF(x, box.center().y()),
                                 style.seriesColour(everyCycle[std::size_t(cycle)]), style);
            x += criticalSpacing;
        }
    }
}

void paintPlot(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
               const QFont &font, int selectedRow, const QRectF &exposed)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.plotBackground);
    painter.drawRect(g.plot);
    paintSelectedDay(painter, g, style, selectedRow);

    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (int v = int(g.valueMin); v <= int(g.valueMax); v += g.valueStep) {
        const qreal y = g.valueY(v);
        if (v != 0) {
            painter.setPen(QPen(style.grid, 1));
            painter.drawLine(QPointF(std::max(g.plot.left(), exposed.left()), y),
                             QPointF(std::min(g.plot.right(), exposed.right()), y));
        }
        const QRectF box(QPointF(g.area.left(), y - metrics.height()),
                         QPointF(g.plot.left() - g.labelGap, y + metrics.height()));
        if (g.valueLabelled(v) && exposed.intersects(box)) {
            painter.setPen(style.text);
            painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        }
    }
    painter.setPen(QPen(style.plotBorder, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plot);
    painter.setPen(QPen(style.zeroLine, zeroLineWidth));
    painter.drawLine(QPointF(std::max(g.plot.left(), exposed.left()), g.valueY(0)),
                     QPointF(std::min(g.plot.right(), exposed.right()), g.valueY(0)));
}

void paintDayLabels(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                    const QRectF &exposed)
{
    painter.setFont(g.dayLabelFont);
    painter.setPen(style.text);
    for (int row = 0; row < g.dayCount; ++row) {
        const QRectF box = g.dayLabelBox(row);
        if (!exposed.intersects(box))
            continue;
        const QString &label = g.dayLabelTexts.value(row);
        if (!g.dayLabelsUpright) {
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, label);
            continue;
        }
        // Turned a quarter left, the label reads upwards and ends at the plot.
        painter.save();
        painter.translate(box.center().x(), box.top());
        painter.rotate(-90);
        painter.drawText(QRectF(-box.height(), -box.width() / 2, box.height(), box.width()),
                         Qt::AlignRight | Qt::AlignVCenter, label);
        painter.restore();
    }
}

void paintLegend(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                 const QFont &font, const DayTableModel &days, const ChartView &view)
{
    painter.setFont(font);
    const QList<Series> shown = view.shownSeries();
    // The geometry holds an entry for each series the legend shows, then for each further cycle.
    for (qsizetype i = 0; i < shown.size() && i < g.legendItems.size(); ++i) {
        const Series series = shown[i];
        paintLegendEntry(painter, g, style, g.legendItems[i], style.seriesPen(series),
                         view.bars ? std::optional(std::pair(style.seriesColour(series),
                                                             style.seriesBrush(series)))
                                   : std::nullopt,
                         seriesName(series));
    }
    for (qsizetype i = 0; i < days.furtherCycles().size(); ++i) {
        const qsizetype entry = shown.size() + i;
        if (entry >= g.legendItems.size())
            break;
        const FurtherCycle cycle = days.furtherCycles().at(i);
        const QColor colour = style.furtherColour(cycle);
        paintLegendEntry(painter, g, style, g.legendItems[entry], style.furtherPen(cycle),
                         view.bars ? std::optional(std::pair(colour, QBrush(colour)))
                                   : std::nullopt,
                         furtherCycleName(cycle));
    }
}

void paintLines(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                const DayTableModel &days, const ChartView &view, const QRectF &exposed)
{
    const auto [first, last] = daysReaching(g, exposed);
    for (const Series series : view.shownSeries()) {
        const std::size_t column = at(series);
        QPolygonF line;
        for (int row = first; row <= last; ++row)
            line << QPointF(g.dayCentre(row), g.valueY(days.day(row).values[column]));
        painter.setPen(style.seriesPen(series));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.seriesColour(series));
        for (const QPointF &point : std::as_const(line))
            painter.drawEllipse(point, markerRadius, markerRadius);
    }
    for (int place = 0; place < days.furtherCycles().size(); ++place) {
        const FurtherCycle cycle = days.furtherCycles().at(place);
        QPolygonF line;
        for (int row = first; row <= last; ++row)
            line << QPointF(g.dayCentre(row), g.valueY(days.furtherValue(row, place)));
        painter.setPen(style.furtherPen(cycle));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
    }
}

void paintBars(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
               const DayTableModel &days, const ChartView &view, const QRectF &exposed)
{
    const auto [first, last] = daysReaching(g, exposed);
    const QList<Series> shown = view.shownSeries();
    const int seriesBars = int(shown.size());
    const int count = seriesBars + int(days.furtherCycles().size());
    for (int place = 0; place < seriesBars; ++place) {
        const Series series = shown[place];
        painter.setPen(QPen(style.seriesColour(series).darker(130), 1));
        painter.setBrush(style.seriesBrush(series));
        for (int row = first; row <= last; ++row)
            painter.drawRect(g.barRect(row, place, count, days.day(row).values[at(series)]));
    }
    for (int place = 0; place < days.furtherCycles().size(); ++place) {
        const QColor colour = style.furtherColour(days.furtherCycles().at(place));
        painter.setPen(QPen(colour.darker(130), 1));
        painter.setBrush(colour);
        for (int row = first; row <= last; ++row)
            painter.drawRect(
                g.barRect(row, seriesBars + place, count, days.furtherValue(row, place)));
    }
}

} // namespace

// The days whose drawing can reach into `exposed`: those whose slot it touches, and one more on
// either side for the line segments that lead to them.
std::pair<int, int> daysReaching(const ChartGeometry &g, const QRectF &exposed)
{
    if (g.dayCount == 0)
        return {0, -1};
    const qreal slot = g.slotWidth();
    const int first = int(std::floor((exposed.left() - g.plot.left()) / slot)) - 1;
    const int last = int(std::ceil((exposed.right() - g.plot.left()) / slot)) + 1;
    return {std::max(0, first), std::min(g.dayCount - 1, last)};
}

void paintCriticalDiamond(QPainter &painter, QPointF centre, const QColor &colour,
                          const ChartStyle &style)
{
    const QPolygonF diamond{
        centre + QPointF(0, -criticalRadius), centre + QPointF(criticalRadius, 0),
        centre + QPointF(0, criticalRadius), centre + QPointF(-criticalRadius, 0)};
    painter.setPen(QPen(style.plotBackground, 1));
    painter.setBrush(colour);
    painter.drawPolygon(diamond);
}

QRectF plotReach(const ChartGeometry &geometry, const QFont &font)
{
    // The value labels to the left, the markers and line ends at its edges, and the day labels
    // below.
    return QRectF(geometry.area.left(), geometry.plot.top(), geometry.area.width(),
                  geometry.plot.height() + geometry.labelGap + geometry.dayLabelDepth)
        .adjusted(0, -QFontMetricsF(font).height(), 0, QFontMetricsF(font).height());
}

void paintDayPlot(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                  const QFont &font, int selectedRow, int todayRow, const QRectF &exposed)
{
    paintPlot(painter, geometry, style, font, selectedRow, exposed);
    paintDayLabels(painter, geometry, style, exposed);
    paintToday(painter, geometry, style, todayRow);
}

QFont fontInPixels(QFont font)
{
    font.setPixelSize(QFontInfo(font).pixelSize());
    return font;
}

void paintLegendEntry(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                      const QRectF &item, const QPen &line,
                      const std::optional<std::pair<QColor, QBrush>> &swatch, const QString &text)
{
    const qreal middle = item.center().y();
    if (swatch) {
        painter.setPen(QPen(swatch->first.darker(130), 1));
        painter.setBrush(swatch->second);
        painter.drawRect(QRectF(item.left(), middle - g.legendSampleWidth / 2, g.legendSampleWidth,
                                g.legendSampleWidth));
    } else {
        painter.setPen(line);
        painter.drawLine(QPointF(item.left(), middle),
                         QPointF(item.left() + g.legendSampleWidth, middle));
    }
    painter.setPen(style.text);
    painter.drawText(item.adjusted(g.legendSampleWidth + g.labelGap, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paintChartFocus(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style)
{
    painter.setPen(QPen(style.text, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(geometry.card.adjusted(1.5, 1.5, -1.5, -1.5));
}

QRectF criticalMarkerRect(const ChartGeometry &g, int row, int cycles)
{
    const qreal width = criticalSpacing * (cycles - 1) + 2 * criticalRadius + (cycles > 1 ? 6 : 0);
    const qreal height = 2 * criticalRadius + (cycles > 1 ? 6 : 0);
    return QRectF(g.dayCentre(row) - width / 2, g.valueY(0) - height / 2, width, height);
}

QList<Series> ChartView::shownSeries() const
{
    QList<Series> shown;
    for (const Series series : everySeries) {
        if (!hidden[at(series)])
            shown.append(series);
    }
    return shown;
}

void paintChart(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                const QFont &font, const DayTableModel &days, const ChartView &view,
                const QRectF &exposed)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.background.alpha() > 0)
        painter.fillRect(geometry.card.intersected(exposed), style.background);
    if (exposed.intersects(plotReach(geometry, font))) {
        paintDayPlot(painter, geometry, style, font, days.currentRow(), days.todayRow(), exposed);
        if (view.bars)
            paintBars(painter, geometry, style, days, view, exposed);
        else
            paintLines(painter, geometry, style, days, view, exposed);
        paintCriticalDays(painter, geometry, style, days);
    }
    if (view.focused)
        paintChartFocus(painter, geometry, style);
    if (exposed.intersects(geometry.legendRow))
        paintLegend(painter, geometry, style, font, days, view);
    painter.restore();
}

} // namespace cyclara
