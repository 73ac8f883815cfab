#include "chart/chartstyle.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace cyclara {

namespace {

constexpr std::array<QRgb, 5> okabeIto{
    qRgb(0x00, 0x72, 0xB2), // blue
    qRgb(0xD5, 0x5E, 0x00), // vermillion
    qRgb(0x00, 0x9E, 0x73), // bluish green
    qRgb(0xCC, 0x79, 0xA7), // reddish purple
    qRgb(0xE6, 0x9F, 0x00), // orange
};

constexpr int seriesLineWidth = 2;

bool isMean(int series)
{
    return series == 4 || series == 5;
}

} // namespace

QColor ChartStyle::seriesColour(int series)
{
    return QColor::fromRgb(okabeIto.at(std::size_t(series - 1) % okabeIto.size()));
}

QPen ChartStyle::seriesPen(int series)
{
    QPen pen(seriesColour(series), seriesLineWidth,
             series == 4   ? Qt::DashLine
             : series == 5 ? Qt::DashDotLine
                           : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QBrush ChartStyle::seriesBrush(int series)
{
    const QColor colour = seriesColour(series);
    if (!isMean(series))
        return colour;
    QPixmap tile(8, 8);
    tile.fill(colour.lighter(150));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    if (series == 4)
        painter.drawLine(QPointF(-1, 9), QPointF(9, -1));
    else
        painter.drawLine(QPointF(-1, -1), QPointF(9, 9));
    painter.end();
    return QBrush(tile);
}

ChartStyle lightChartStyle(const QColor &text)
{
    return {QColor(0xFD, 0xFD, 0xFB), QColor(0x90, 0x90, 0x90), QColor(0xD8, 0xD8, 0xD8),
            QColor(0x40, 0x40, 0x40), text};
}

} // namespace cyclara
