#include "chart/plotview.h"

#include "chart/chartgrid.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QHelpEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QToolTip>
#include <QValueAxis>

#include <array>
#include <cmath>

namespace cyclara {

namespace {

// Okabe–Ito colours: they stay apart for the common forms of colour blindness.
constexpr std::array<QRgb, 6> palette{
    qRgb(0x00, 0x72, 0xB2), // blue
    qRgb(0xD5, 0x5E, 0x00), // vermillion
    qRgb(0x00, 0x9E, 0x73), // bluish green
    qRgb(0xCC, 0x79, 0xA7), // reddish purple
    qRgb(0xE6, 0x9F, 0x00), // orange
    qRgb(0x56, 0xB4, 0xE9), // sky blue
};

constexpr qreal valueMin = -100;
constexpr qreal valueMax = 100;
constexpr int valueStep = 25;
constexpr qreal barWidth = 0.8;    // share of a row's slot taken by its group of bars
constexpr int seriesLineWidth = 2; // markers are drawn 1.5 line widths around each point
constexpr qreal lineReach = 6.0;   // how far from a marker's centre a click still takes it
constexpr qreal barReach = 2.0;    // lets a bar near zero height still be clicked
constexpr qreal labelGap = 4.0;    // between the plot and the row labels
constexpr qreal minLabelPoints = 7.0;
constexpr int chartMarginSide = 4;
constexpr int chartMarginTop = 12;

QColor columnColour(int column)
{
    return QColor::fromRgb(palette.at(std::size_t(column - 1) % palette.size()));
}

// The mean and absolute mean (columns 4 and 5) must stand apart from the three cycles without
// colour too, so they are drawn dashed and hatched.
Qt::PenStyle columnPenStyle(int column)
{
    switch (column) {
    case 4:
        return Qt::DashLine;
    case 5:
        return Qt::DashDotLine;
    default:
        return Qt::SolidLine;
    }
}

QBrush columnBrush(int column)
{
    const QColor colour = columnColour(column);
    if (column != 4 && column != 5)
        return colour;
    QPixmap tile(8, 8);
    tile.fill(colour.lighter(150));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2));
    if (column == 4) {
        painter.drawLine(QPointF(-1, 9), QPointF(9, -1));
    } else {
        painter.drawLine(QPointF(-1, -1), QPointF(9, 9));
    }
    painter.end();
    return QBrush(tile);
}

} // namespace

PlotView::PlotView(const ChartGrid &grid, QWidget *parent)
    : QChartView(new QChart, parent)
    , m_grid(grid)
    , m_chart(chart())
    , m_rowAxis(new QBarCategoryAxis)
    , m_valueAxis(new QValueAxis)
    , m_zeroLine(new QLineSeries)
    , m_bars(new QBarSeries)
{
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    // Outside the plot the widget is see-through, so a label beneath stays readable.
    setBackgroundBrush(Qt::NoBrush);
    setAutoFillBackground(false);
    viewport()->setAutoFillBackground(false);
    // ... also when the window's style sheet gives widgets a background.
    setStyleSheet(QStringLiteral("background: transparent"));

    const QFont textFont = font();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundVisible(false);
    m_chart->setDropShadowEnabled(false);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->setPlotAreaBackgroundBrush(QColor(0xFD, 0xFD, 0xFB));
    m_chart->setPlotAreaBackgroundPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    m_chart->setPlotAreaBackgroundVisible(true);
    // The bottom margin holds the row labels, which Qt would put below a bottom legend.
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    m_chart->legend()->setFont(textFont);

    // The row labels are drawn by drawForeground: Qt's own would drop the outermost labels and
    // be laid out anew as rich text on every query, which costs more than the whole repaint.
    // The axis itself is hidden so that it reserves no room of its own below the plot.
    m_rowAxis->setVisible(false);
    m_valueAxis->setRange(valueMin, valueMax);
    m_valueAxis->setTickCount(int(valueMax - valueMin) / valueStep + 1);
    m_valueAxis->setMinorTickCount(0);
    m_valueAxis->setLabelFormat(QStringLiteral("%d"));
    m_valueAxis->setLabelsFont(textFont);
    m_valueAxis->setGridLinePen(QPen(QColor(0xD8, 0xD8, 0xD8), 1));
    m_chart->addAxis(m_rowAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);

    m_chart->addSeries(m_zeroLine);
    m_zeroLine->attachAxis(m_rowAxis);
    m_zeroLine->attachAxis(m_valueAxis);
    m_zeroLine->setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    for (QLegendMarker *marker : m_chart->legend()->markers(m_zeroLine))
        marker->setVisible(false);

    m_bars->setBarWidth(barWidth);
    m_chart->addSeries(m_bars);
    m_bars->attachAxis(m_rowAxis);
    m_bars->attachAxis(m_valueAxis);
    m_bars->setVisible(false);

    rowsChanged();
}

PlotView::~PlotView() = default;

void PlotView::matchColumnCount()
{
    const int columns = m_grid.columnCount();
    while (m_lines.size() > columns) {
        QLineSeries *line = m_lines.takeLast();
        m_chart->removeSeries(line);
        delete line;
        QBarSet *set = m_barSets.takeLast();
        if (!m_bars->remove(set))
            delete set;
    }
    while (m_lines.size() < columns) {
        auto *line = new QLineSeries(this);
        m_chart->addSeries(line);
        line->attachAxis(m_rowAxis);
        line->attachAxis(m_valueAxis);
        line->setPointsVisible(true);
        // A line's legend entry shows its dashes; bar sets keep plain swatches, which is all
        // Qt draws for them.
        for (QLegendMarker *marker : m_chart->legend()->markers(line))
            marker->setShape(QLegend::MarkerShapeFromSeries);
        m_lines.append(line);
        m_barSets.append(new QBarSet(QString(), this));
        const int column = int(m_lines.size());
        styleColumn(column);
        columnLabelChanged(column);
    }
}

void PlotView::styleColumn(int column)
{
    const QColor colour = columnColour(column);
    QPen linePen(colour, seriesLineWidth, columnPenStyle(column));
    linePen.setCapStyle(Qt::FlatCap);
    m_lines.at(column - 1)->setPen(linePen);
    QBarSet *set = m_barSets.at(column - 1);
    set->setBrush(columnBrush(column));
    set->setPen(QPen(colour.darker(130), 1));
}

void PlotView::rowsChanged()
{
    matchColumnCount();
    const int rows = m_grid.rowCount();
    if (m_rowAxis->count() != rows) {
        QStringList places;
        for (int row = 1; row <= rows; ++row)
            places.append(QString::number(row));
        m_rowAxis->setCategories(places);
        m_zeroLine->replace({QPointF(-0.5, 0), QPointF(rows - 0.5, 0)});
    }

    // Only the kind of chart on show is refilled now; the other one when it is shown.
    m_linesStale = m_barsStale = true;
    refillShown();
    hiddenChanged();
    fitRowLabels();
    viewport()->update();
}

void PlotView::refillShown()
{
    const int rows = m_grid.rowCount();
    if (!m_barChart && m_linesStale) {
        QList<QPointF> points(rows);
        for (int column = 1; column <= m_grid.columnCount(); ++column) {
            const QList<double> &values = m_grid.columnValues(column);
            for (int r = 0; r < rows; ++r)
                points[r] = QPointF(r, values.at(r));
            m_lines.at(column - 1)->replace(points);
        }
        m_linesStale = false;
    }
    if (m_barChart && m_barsStale) {
        for (int column = 1; column <= m_grid.columnCount(); ++column) {
            QBarSet *set = m_barSets.at(column - 1);
            if (set->count() > 0)
                set->remove(0, set->count());
            set->append(m_grid.columnValues(column));
        }
        m_barsStale = false;
    }
}

void PlotView::columnLabelChanged(int column)
{
    if (column < 1 || column > m_lines.size())
        return;
    // Renaming re-lays the legend out, so only a real change does it.
    const QString label = m_grid.columnLabel(column);
    if (m_lines.at(column - 1)->name() != label)
        m_lines.at(column - 1)->setName(label);
    if (m_barSets.at(column - 1)->label() != label)
        m_barSets.at(column - 1)->setLabel(label);
}

void PlotView::hiddenChanged()
{
    for (int column = 1; column <= m_lines.size(); ++column)
        m_lines.at(column - 1)->setVisible(!m_barChart && !m_grid.isHidden(column));
    fillBarSeries();
    m_bars->setVisible(m_barChart);
}

// A hidden column's bar set leaves the bar series, so the shown ones close up in each group.
void PlotView::fillBarSeries()
{
    QList<QBarSet *> shown;
    for (int column = 1; column <= m_barSets.size(); ++column) {
        if (!m_grid.isHidden(column))
            shown.append(m_barSets.at(column - 1));
    }
    if (m_bars->barSets() == shown)
        return;
    for (QBarSet *set : m_bars->barSets())
        m_bars->take(set);
    m_bars->append(shown);
    // Appending lets the theme decorate the sets; put our own look back.
    for (int column = 1; column <= m_barSets.size(); ++column)
        styleColumn(column);
}

void PlotView::setBarChart(bool bars)
{
    if (m_barChart == bars)
        return;
    m_barChart = bars;
    refillShown();
    hiddenChanged();
}

// Many rows leave each row label a narrow slot; then the labels stand upright to stay whole, in
// a smaller size when even an upright label is wider than its slot.
void PlotView::fitRowLabels()
{
    const int rows = m_grid.rowCount();
    settleLayout();
    const qreal plotWidth = m_chart->plotArea().width();
    const qreal slot = rows > 0 ? plotWidth / rows : plotWidth;

    QFont labelFont = font();
    QFontMetricsF metrics(labelFont);
    qreal widest = 0;
    for (int row = 1; row <= rows; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(m_grid.rowLabel(row)));
    const bool upright = widest + metrics.averageCharWidth() > slot;
    if (upright) {
        while (labelFont.pointSizeF() > minLabelPoints &&
               QFontMetricsF(labelFont).ascent() + 2 > slot) {
            labelFont.setPointSizeF(labelFont.pointSizeF() - 0.5);
        }
        metrics = QFontMetricsF(labelFont);
        widest = 0;
        for (int row = 1; row <= rows; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(m_grid.rowLabel(row)));
    }
    m_labelFont = labelFont;
    m_labelsUpright = upright;

    const int block = int(std::ceil((upright ? widest : metrics.height()) + 2 * labelGap));
    const QMargins margins(chartMarginSide, chartMarginTop, chartMarginSide, block);
    if (m_chart->margins() != margins)
        m_chart->setMargins(margins);
}

void PlotView::drawForeground(QPainter *painter, const QRectF &rect)
{
    QChartView::drawForeground(painter, rect);
    const int rows = m_grid.rowCount();
    if (rows == 0)
        return;
    const QRectF plot = m_chart->mapRectToScene(m_chart->plotArea());
    const qreal slot = plot.width() / rows;
    const qreal top = plot.bottom() + labelGap;
    const qreal depth = m_chart->margins().bottom() - labelGap;
    painter->save();
    painter->setFont(m_labelFont);
    painter->setPen(palette().color(QPalette::WindowText));
    for (int row = 1; row <= rows; ++row) {
        const qreal centre =
            m_chart->mapToScene(m_chart->mapToPosition(QPointF(row - 1, 0), m_zeroLine)).x();
        if (m_labelsUpright) {
            // Turned a quarter left, the label reads upwards and ends at the plot.
            painter->save();
            painter->translate(centre, top);
            painter->rotate(-90);
            painter->drawText(QRectF(-depth, -slot / 2, depth, slot),
                              Qt::AlignRight | Qt::AlignVCenter, m_grid.rowLabel(row));
            painter->restore();
        } else {
            painter->drawText(QRectF(centre - slot / 2, top, slot, depth),
                              Qt::AlignHCenter | Qt::AlignTop, m_grid.rowLabel(row));
        }
    }
    painter->restore();
}

void PlotView::settleLayout() const
{
    if (QGraphicsLayout *layout = m_chart->layout())
        layout->activate();
}

QPointF PlotView::toViewport(QPointF value) const
{
    const QPointF inChart = m_chart->mapToPosition(value, m_zeroLine);
    return viewportTransform().map(m_chart->mapToScene(inChart));
}

QRectF PlotView::barRect(int column, int row) const
{
    const QList<QBarSet *> shown = m_bars->barSets();
    const qsizetype place = shown.indexOf(m_barSets.at(column - 1));
    if (place < 0)
        return {};
    const qreal count = qreal(shown.size());
    const qreal left = (row - 1) - barWidth / 2 + qreal(place) / count * barWidth;
    const qreal right = (row - 1) - barWidth / 2 + qreal(place + 1) / count * barWidth;
    const qreal value = std::clamp(m_grid.value(row, column), valueMin, valueMax);
    return QRectF(toViewport(QPointF(left, value)), toViewport(QPointF(right, 0))).normalized();
}

std::optional<QPointF> PlotView::pointPosition(int column, int row) const
{
    if (!m_grid.hasRow(row) || !m_grid.hasColumn(column) || m_grid.isHidden(column))
        return std::nullopt;
    settleLayout();
    if (m_barChart)
        return barRect(column, row).center();
    const double value = m_grid.value(row, column);
    if (!(value >= valueMin && value <= valueMax))
        return std::nullopt;
    return toViewport(QPointF(row - 1, value));
}

std::optional<PlotView::Hit> PlotView::hitAt(QPointF position) const
{
    settleLayout();
    std::optional<Hit> best;
    qreal bestDistance = lineReach;
    for (int column = 1; column <= m_grid.columnCount(); ++column) {
        if (m_grid.isHidden(column))
            continue;
        for (int row = 1; row <= m_grid.rowCount(); ++row) {
            if (m_barChart) {
                if (barRect(column, row).adjusted(0, -barReach, 0, barReach).contains(position))
                    return Hit{column, row};
                continue;
            }
            const std::optional<QPointF> point = pointPosition(column, row);
            if (!point)
                continue;
            // A later column is drawn on top, so on a tie it is the one under the mouse.
            const qreal distance = QLineF(*point, position).length();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = Hit{column, row};
            }
        }
    }
    return best;
}

bool PlotView::isOnPlot(QPointF position) const
{
    settleLayout();
    const QRectF plot = m_chart->mapRectToScene(m_chart->plotArea());
    return viewportTransform().mapRect(plot).contains(position);
}

void PlotView::mousePressEvent(QMouseEvent *event)
{
    m_pressed.reset();
    if (event->button() == Qt::LeftButton)
        m_pressed = hitAt(event->position());
    QChartView::mousePressEvent(event);
}

// A point counts as clicked when the button goes down and comes up on the same point.
void PlotView::mouseReleaseEvent(QMouseEvent *event)
{
    std::optional<Hit> clicked;
    if (event->button() == Qt::LeftButton && m_pressed && hitAt(event->position()) == m_pressed)
        clicked = m_pressed;
    m_pressed.reset();
    QChartView::mouseReleaseEvent(event);
    if (clicked)
        emit pointClicked(clicked->column, clicked->row);
}

void PlotView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool activated = event->button() == Qt::LeftButton && isOnPlot(event->position()) &&
                           !hitAt(event->position());
    QChartView::mouseDoubleClickEvent(event);
    if (activated)
        emit plotDoubleClicked();
}

void PlotView::resizeEvent(QResizeEvent *event)
{
    QChartView::resizeEvent(event);
    fitRowLabels();
}

bool PlotView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        if (const std::optional<Hit> hit = hitAt(help->pos())) {
            QToolTip::showText(help->globalPos(),
                               QStringLiteral("%1\n%2: %3")
                                   .arg(m_grid.rowLabel(hit->row), m_grid.columnLabel(hit->column),
                                        ChartGrid::valueText(m_grid.value(hit->row, hit->column))),
                               viewport());
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QChartView::viewportEvent(event);
}

} // namespace cyclara
