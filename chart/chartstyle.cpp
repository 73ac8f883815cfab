// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/chartstyle.h"

#include <QPainter>
#include <QPixmap>

#include <array>
#include <cmath>

namespace cyclara {

namespace {

constexpr int seriesLineWidth = 2;

double relativeLuminance(const QColor &colour)
{
    const auto channel = [](float c) {
        return c <= 0.03928f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// The plot of a dark chart is never lighter than this, so that the light series keep their
// contrast whatever dark grey the desktop chose.
const QColor lightestDarkPlot(0x2B, 0x2B, 0x2B);

} // namespace

QPen ChartStyle::seriesPen(Series series) const
{
    QPen pen(seriesColour(series), seriesLineWidth,
             series == Series::Mean           ? Qt::DashLine
             : series == Series::AbsoluteMean ? Qt::DashDotLine
                                              : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QBrush ChartStyle::seriesBrush(Series series) const
{
    const QColor colour = seriesColour(series);
    if (series != Series::Mean && series != Series::AbsoluteMean)
        return colour;
    QPixmap tile(8, 8);
    tile.fill(dark ? colour.darker(170) : colour.lighter(150));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    if (series == Series::Mean)
        painter.drawLine(QPointF(-1, 9), QPointF(9, -1));
    else
        painter.drawLine(QPointF(-1, -1), QPointF(9, 9));
    painter.end();
    return QBrush(tile);
}

namespace {

// `colour` darkened (on a light plot) or lightened (on a dark one) until it stands 3:1 against
// the plot.
QColor keptApart(QColor colour, const ChartStyle &style)
{
    for (int step = 0; step < 20 && contrastRatio(colour, style.plotBackground) < 3; ++step)
        colour = style.dark ? colour.lighter(110) : colour.darker(110);
    return colour;
}

} // namespace

QColor ChartStyle::furtherColour(FurtherCycle cycle) const
{
    // The Okabe–Ito hues the five series leave on light and dark plots, a grey and a brown; the
    // dashes tell them apart where the colours come near.
    static const std::array<QColor, 4> hues{QColor(0xF0, 0xE4, 0x42), QColor(0x00, 0x00, 0x00),
                                            QColor(0x99, 0x99, 0x99), QColor(0x99, 0x66, 0x33)};
    QColor colour = hues.at(std::size_t(cycle));
    if (dark && colour == Qt::black)
        colour = QColor(0xE0, 0xE0, 0xE0);
    return keptApart(colour, *this);
}

QPen ChartStyle::furtherPen(FurtherCycle cycle) const
{
    QPen pen(furtherColour(cycle), seriesLineWidth);
    pen.setCapStyle(Qt::FlatCap);
    static const std::array<QList<qreal>, 4> dashes{
        QList<qreal>{2, 2}, {8, 2, 2, 2, 2, 2}, {4, 4}, {12, 3}};
    pen.setDashPattern(dashes.at(std::size_t(cycle)));
    return pen;
}

QColor ChartStyle::personColour(int place) const
{
    // Black is the one hue a dark plot cannot show: a light grey takes its place there.
    static const std::array<QColor, 8> hues{QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00),
                                            QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
                                            QColor(0xE6, 0x9F, 0x00), QColor(0x56, 0xB4, 0xE9),
                                            QColor(0xF0, 0xE4, 0x42), QColor(0x00, 0x00, 0x00)};
    QColor colour = hues.at(std::size_t(place) % hues.size());
    if (dark && colour == Qt::black)
        colour = QColor(0xE0, 0xE0, 0xE0);
    return keptApart(colour, *this);
}

QPen ChartStyle::personPen(int place) const
{
    QPen pen(personColour(place), seriesLineWidth);
    pen.setCapStyle(Qt::FlatCap);
    static const std::array<QList<qreal>, 8> dashes{
        QList<qreal>{},         {6, 3},  {1.5, 2}, {6, 2, 1.5, 2},
        {6, 2, 1.5, 2, 1.5, 2}, {10, 3}, {3, 3},   {10, 2, 3, 2}};
    const QList<qreal> &dash = dashes.at(std::size_t(place) % dashes.size());
    if (!dash.isEmpty())
        pen.setDashPattern(dash);
    return pen;
}

ChartStyle chartStyle(const QPalette &palette)
{
    ChartStyle style;
    const QColor base = palette.color(QPalette::Base);
    style.dark = base.lightnessF() < palette.color(QPalette::Text).lightnessF();
    if (!style.dark) {
        style.background = Qt::transparent;
        style.plotBackground = QColor(0xFD, 0xFD, 0xFB);
        style.plotBorder = QColor(0x90, 0x90, 0x90);
        style.grid = QColor(0xD8, 0xD8, 0xD8);
        style.zeroLine = QColor(0x40, 0x40, 0x40);
        style.text = Qt::black;
        style.selectedDay = QColor(0xF0, 0xF4, 0xFB);
        style.todayLine = QColor(0x7A, 0x3B, 0xD8);
        style.seriesColours = {QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00),
                               QColor(0x00, 0x9E, 0x73), QColor(0xA8, 0x52, 0x8A),
                               QColor(0xA8, 0x6E, 0x00)};
        return style;
    }
    style.background = base.lightness() > lightestDarkPlot.lightness() ? lightestDarkPlot : base;
    style.plotBackground = style.background;
    style.text = palette.color(QPalette::Text);
    style.plotBorder = QColor(0x80, 0x80, 0x80);
    style.grid = QColor(0x4A, 0x4A, 0x4A);
    style.zeroLine = QColor(0xC0, 0xC0, 0xC0);
    style.selectedDay = QColor(0x24, 0x34, 0x4A);
    style.todayLine = QColor(0xB3, 0x8C, 0xF0);
    style.seriesColours = {QColor(0x56, 0xB4, 0xE9), QColor(0xEE, 0x77, 0x33),
                           QColor(0x2A, 0xB9, 0x8F), QColor(0xCC, 0x79, 0xA7),
                           QColor(0xE6, 0x9F, 0x00)};
    return style;
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace cyclara
