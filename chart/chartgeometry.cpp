// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chartgeometry.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace cyclara {

namespace {

constexpr qreal sideMargin = 4;
constexpr qreal topMargin = 20;
constexpr qreal cardMargin = 8; // of the chart's own background above the legend
constexpr qreal bottomMargin = 8;
constexpr qreal legendGap = 14;     // between the legend row and the plot
constexpr qreal legendSpacing = 20; // between two legend entries
constexpr qreal sampleTextGap = 5;  // between an entry's sample and its text
constexpr qreal lineSampleWidth = 22;
constexpr qreal swatchWidth = 12;
constexpr qreal smallestLabelPoints = 7;

qreal widest(const QFontMetricsF &metrics, const QStringList &texts)
{
    qreal width = 0;
    for (const QString &text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

// The labels as they stand side by side in slots of `room`, each broken at its blanks onto as many
// lines as it needs; none when a word of one is wider than the room.
QStringList brokenLabels(const QFontMetricsF &metrics, const QStringList &labels, qreal room)
{
    QStringList broken;
    for (const QString &label : labels) {
        QString text;
        QString line;
        for (const QString &word : label.split(u' ')) {
            if (metrics.horizontalAdvance(word) > room)
                return {};
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (metrics.horizontalAdvance(longer) <= room) {
                line = longer;
                continue;
            }
            text += line + u'\n';
            line = word;
        }
        broken << text + line;
    }
    return broken;
}

QStringList valueLabels()
{
    QStringList labels;
    for (int v = int(ChartGeometry::valueMax); v >= int(ChartGeometry::valueMin);
         v -= ChartGeometry::valueStep)
        labels << QString::number(v);
    return labels;
}

} // namespace

qreal ChartGeometry::valueY(double value) const
{
    const double clamped = std::clamp(value, valueMin, valueMax);
    return plot.bottom() - (clamped - valueMin) / (valueMax - valueMin) * plot.height();
}

QRectF ChartGeometry::barRect(int row, int place, int count, double value) const
{
    const qreal group = slotWidth() * barGroupShare;
    const qreal left = dayCentre(row) - group / 2 + group * place / count;
    return QRectF(QPointF(left, valueY(value)), QPointF(left + group / count, valueY(0)))
        .normalized();
}

QRectF ChartGeometry::dayLabelBox(int row) const
{
    const qreal top = plot.bottom() + labelGap;
    return QRectF(dayCentre(row) - slotWidth() / 2, top, slotWidth(), dayLabelDepth);
}

ChartGeometry layOutChart(const QRectF &area, const QFont &font, const QStringList &dayLabels,
                          const QStringList &dateLabels, const QStringList &legendLabels, bool bars)
{
    ChartGeometry g;
    g.area = area;
    g.dayCount = int(dayLabels.size());
    const QFontMetricsF metrics(font);

    // The legend, centred in its row.
    g.legendSampleWidth = bars ? swatchWidth : lineSampleWidth;
    g.legendRow = QRectF(area.left(), area.top() + topMargin, area.width(), metrics.height());
    g.card = area.adjusted(0, topMargin - cardMargin, 0, 0);
    qreal total = 0;
    for (const QString &label : legendLabels)
        total += g.legendSampleWidth + sampleTextGap + metrics.horizontalAdvance(label);
    total += legendSpacing * qreal(std::max<qsizetype>(0, legendLabels.size() - 1));
    qreal x = g.legendRow.center().x() - total / 2;
    for (const QString &label : legendLabels) {
        const qreal width = g.legendSampleWidth + sampleTextGap + metrics.horizontalAdvance(label);
        g.legendItems.append(QRectF(x, g.legendRow.top(), width, g.legendRow.height()));
        x += width + legendSpacing;
    }

    // Value labels stand centred on their grid lines, the top and bottom ones half above and
    // below the plot.
    const qreal left = area.left() + sideMargin + widest(metrics, valueLabels()) + 2 * g.labelGap;
    const qreal top = g.legendRow.bottom() + std::max(legendGap, metrics.height() / 2);
    const qreal right = area.right() - sideMargin;
    const qreal slot = g.dayCount > 0 ? (right - left) / g.dayCount : right - left;

    // Day labels side by side while they fit their slots, broken at their blanks if need be;
    // otherwise upright, smaller until each fits the slot's width. Where that would take more
    // than a third of the chart (English "Day before yesterday" in a small window), the days are
    // named by their dates instead.
    const qreal room = slot - 2 * metrics.horizontalAdvance(u' ');
    QFont upright = font;
    while (upright.pointSizeF() > smallestLabelPoints && QFontMetricsF(upright).height() > slot)
        upright.setPointSizeF(upright.pointSizeF() - 0.5);
    const QFontMetricsF uprightMetrics(upright);
    auto labelsFit = [&](const QStringList &labels, bool evenIfDeep) {
        g.dayLabelTexts = brokenLabels(metrics, labels, room);
        g.dayLabelsUpright = g.dayLabelTexts.isEmpty();
        if (!g.dayLabelsUpright)
            return true;
        g.dayLabelTexts = labels;
        return evenIfDeep || widest(uprightMetrics, labels) <= area.height() / 3;
    };
    if (!labelsFit(dayLabels, false))
        labelsFit(dateLabels, true);
    g.dayLabelFont = g.dayLabelsUpright ? upright : font;
    qreal depth = widest(uprightMetrics, g.dayLabelTexts);
    if (!g.dayLabelsUpright) {
        depth = metrics.height();
        for (const QString &text : std::as_const(g.dayLabelTexts))
            depth = std::max(
                depth,
                metrics.boundingRect(QRectF(0, 0, slot, 1000), Qt::AlignHCenter, text).height());
    }
    g.dayLabelDepth = depth;
    const qreal bottom =
        area.bottom() - bottomMargin - std::max(depth + 2 * g.labelGap, metrics.height() / 2);
    g.plot = QRectF(QPointF(left, top), QPointF(right, std::max(top, bottom)));

    // Labels at every grid line while they stand apart; fewer where the plot is low.
    g.valueLabelStep = 0;
    for (int step = g.valueStep; step <= g.valueMax - g.valueMin; step *= 2) {
        if (g.plot.height() * step / (g.valueMax - g.valueMin) >= metrics.height()) {
            g.valueLabelStep = step;
            break;
        }
    }
    return g;
}

} // namespace cyclara
