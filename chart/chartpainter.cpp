#include "chart/chartpainter.h"

#include "model/daytablemodel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace cyclara {

namespace {

constexpr qreal markerRadius = 3;
constexpr qreal zeroLineWidth = 1.5;

void paintPlot(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
               const QFont &font)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(style.plotBackground);
    painter.drawRect(g.plot);

    painter.setFont(font);
    const QFontMetricsF metrics(font);
    for (int v = int(g.valueMin); v <= int(g.valueMax); v += g.valueStep) {
        const qreal y = g.valueY(v);
        if (v != 0) {
            painter.setPen(QPen(style.grid, 1));
            painter.drawLine(QPointF(g.plot.left(), y), QPointF(g.plot.right(), y));
        }
        painter.setPen(style.text);
        const QRectF box(QPointF(g.area.left(), y - metrics.height()),
                         QPointF(g.plot.left() - g.labelGap, y + metrics.height()));
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }
    painter.setPen(QPen(style.plotBorder, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plot);
    painter.setPen(QPen(style.zeroLine, zeroLineWidth));
    painter.drawLine(QPointF(g.plot.left(), g.valueY(0)), QPointF(g.plot.right(), g.valueY(0)));
}

void paintDayLabels(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                    const DayTableModel &days)
{
    painter.setFont(g.dayLabelFont);
    painter.setPen(style.text);
    for (int row = 0; row < days.dayCount(); ++row) {
        const QRectF box = g.dayLabelBox(row);
        const QString &label = days.day(row).label;
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

QString seriesName(const DayTableModel &days, int series)
{
    return days.headerData(DayTableModel::FirstSeriesColumn + series - 1, Qt::Horizontal)
        .toString();
}

void paintLegend(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                 const QFont &font, const DayTableModel &days, const ChartView &view)
{
    painter.setFont(font);
    const QList<int> shown = view.shownSeries();
    // The geometry holds an entry for each series the legend shows.
    for (qsizetype i = 0; i < shown.size() && i < g.legendItems.size(); ++i) {
        const int series = shown[i];
        const QRectF item = g.legendItems[i];
        const qreal middle = item.center().y();
        if (view.bars) {
            painter.setPen(QPen(style.seriesColour(series).darker(130), 1));
            painter.setBrush(style.seriesBrush(series));
            painter.drawRect(QRectF(item.left(), middle - g.legendSampleWidth / 2,
                                    g.legendSampleWidth, g.legendSampleWidth));
        } else {
            painter.setPen(style.seriesPen(series));
            painter.drawLine(QPointF(item.left(), middle),
                             QPointF(item.left() + g.legendSampleWidth, middle));
        }
        painter.setPen(style.text);
        painter.drawText(item.adjusted(g.legendSampleWidth + g.labelGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, seriesName(days, series));
    }
}

void paintLines(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
                const DayTableModel &days, const ChartView &view)
{
    for (const int series : view.shownSeries()) {
        const std::size_t column = std::size_t(series - 1);
        QPolygonF line;
        for (int row = 0; row < days.dayCount(); ++row)
            line << QPointF(g.dayCentre(row), g.valueY(days.day(row).values[column]));
        painter.setPen(style.seriesPen(series));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        painter.setPen(Qt::NoPen);
        painter.setBrush(style.seriesColour(series));
        for (const QPointF &point : std::as_const(line))
            painter.drawEllipse(point, markerRadius, markerRadius);
    }
}

void paintBars(QPainter &painter, const ChartGeometry &g, const ChartStyle &style,
               const DayTableModel &days, const ChartView &view)
{
    const QList<int> shown = view.shownSeries();
    const int count = int(shown.size());
    for (int place = 0; place < count; ++place) {
        const int series = shown[place];
        painter.setPen(QPen(style.seriesColour(series).darker(130), 1));
        painter.setBrush(style.seriesBrush(series));
        for (int row = 0; row < days.dayCount(); ++row)
            painter.drawRect(
                g.barRect(row, place, count, days.day(row).values[std::size_t(series - 1)]));
    }
}

} // namespace

QList<int> ChartView::shownSeries() const
{
    QList<int> shown;
    for (int series = 1; series < int(hidden.size()); ++series) {
        if (!hidden[std::size_t(series)])
            shown.append(series);
    }
    return shown;
}

void paintChart(QPainter &painter, const ChartGeometry &geometry, const ChartStyle &style,
                const QFont &font, const DayTableModel &days, const ChartView &view,
                const QRectF &exposed)
{
    // The plot with everything that reaches a little out of it: its value labels to the left,
    // the markers and line ends at its edges, and the day labels below.
    const QRectF plotArea =
        QRectF(geometry.area.left(), geometry.plot.top(), geometry.area.width(),
               geometry.plot.height() + geometry.labelGap + geometry.dayLabelDepth)
            .adjusted(0, -QFontMetricsF(font).height(), 0, QFontMetricsF(font).height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.background.alpha() > 0)
        painter.fillRect(geometry.card.intersected(exposed), style.background);
    if (exposed.intersects(plotArea)) {
        paintPlot(painter, geometry, style, font);
        paintDayLabels(painter, geometry, style, days);
        if (view.bars)
            paintBars(painter, geometry, style, days, view);
        else
            paintLines(painter, geometry, style, days, view);
    }
    if (exposed.intersects(geometry.legendRow))
        paintLegend(painter, geometry, style, font, days, view);
    painter.restore();
}

} // namespace cyclara
