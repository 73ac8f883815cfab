// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/cyclechart.h"

#include "model/dates.h"
#include "model/daystatus.h"
#include "model/daytablemodel.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <bit>
#include <cmath>

namespace cyclara {

namespace {

constexpr qreal lineReach = 6.0; // how far from a marker's centre a click still takes it
constexpr qreal barReach = 2.0;  // lets a bar near zero height still be clicked

const DayTableModel &noDays()
{
    static const DayTableModel empty;
    return empty;
}

} // namespace

CycleChart::CycleChart(QWidget *parent)
    : QWidget(parent)
{
    // The chart fills no background of its own: outside the plot it is see-through, so the title
    // line beneath it stays readable. It is no tab stop; a click gives it the focus.
    setFocusPolicy(Qt::ClickFocus);
}

void CycleChart::setModel(const DayTableModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        connect(model, &QAbstractItemModel::modelReset, this, &CycleChart::daysChanged);
        connect(model, &DayTableModel::currentRowChanged, this, &CycleChart::currentDayChanged);
    }
    invalidateGeometry();
}

int CycleChart::dayCount() const
{
    return m_model ? m_model->dayCount() : 0;
}

void CycleChart::setChartType(qint32 type)
{
    if ((type != BarChart && type != LineChart) || (type == BarChart) == m_view.bars)
        return;
    m_view.bars = type == BarChart;
    invalidateGeometry();
}

void CycleChart::setSeriesHidden(Series series, bool hidden)
{
    if (m_view.hidden[at(series)] == hidden)
        return;
    m_view.hidden[at(series)] = hidden;
    invalidateGeometry();
}

bool CycleChart::isSeriesHidden(Series series) const
{
    return m_view.hidden[at(series)];
}

// A new table with the same day labels (a query for another person, say) draws new series but
// lays nothing out again.
void CycleChart::daysChanged()
{
    if (!m_geometry || dayLabels() != m_laidOutLabels ||
        (m_model && m_model->furtherCycles() != m_laidOutFurther))
        m_geometry.reset();
    update();
    describeCurrentDay();
}

// A screen reader hears the current day as the prompt line tells it.
void CycleChart::describeCurrentDay()
{
    const int row = m_model ? m_model->currentRow() : -1;
    if (m_model && m_model->hasDay(row))
        setAccessibleDescription(dayStatusLine(m_model->day(row).label, m_model->day(row).values));
}

// Only the two days' columns are drawn anew: the band leaves one and comes to the other.
void CycleChart::currentDayChanged(int row)
{
    const ChartGeometry &g = chartGeometry();
    for (const int day : {m_shownCurrentRow, row}) {
        if (day >= 0 && day < g.dayCount)
            update(QRectF(g.dayCentre(day) - g.slotWidth(), g.plot.top(), 2 * g.slotWidth(),
                          g.plot.height())
                       .toAlignedRect());
    }
    m_shownCurrentRow = row;
    describeCurrentDay();
}

QStringList CycleChart::dayLabels() const
{
    QStringList labels;
    if (m_model) {
        for (const DayRow &day : m_model->days())
            labels << day.label;
    }
    return labels;
}

QStringList CycleChart::dateLabels() const
{
    QStringList labels;
    if (m_model) {
        for (const DayRow &day : m_model->days())
            labels << dateLabel(day.date, m_model->today());
    }
    return labels;
}

void CycleChart::invalidateGeometry()
{
    m_geometry.reset();
    update();
}

const ChartGeometry &CycleChart::chartGeometry() const
{
    if (!m_geometry) {
        const DayTableModel &days = m_model ? *m_model : noDays();
        m_laidOutLabels = dayLabels();
        QStringList legend; // none before there is anything to tell apart
        for (const Series series : days.dayCount() > 0 ? m_view.shownSeries() : QList<Series>())
            legend << seriesName(series);
        m_laidOutFurther = days.furtherCycles();
        for (const FurtherCycle cycle : days.dayCount() > 0 ? m_laidOutFurther : FurtherCycles())
            legend << furtherCycleName(cycle);
        m_geometry =
            layOutChart(rect(), font(), m_laidOutLabels, dateLabels(), legend, m_view.bars);
    }
    return *m_geometry;
}

std::optional<QPointF> CycleChart::pointAt(Series series, int day) const
{
    if (!m_model || !m_model->hasDay(day) || isSeriesHidden(series))
        return std::nullopt;
    const ChartGeometry &g = chartGeometry();
    const double value = m_model->day(day).values[at(series)];
    if (!m_view.bars)
        return QPointF(g.dayCentre(day), g.valueY(value));
    const QList<Series> shown = m_view.shownSeries();
    return g.barRect(day, int(shown.indexOf(series)), int(shown.size()), value).center();
}

QPoint CycleChart::pointPosition(Series series, int day) const
{
    const std::optional<QPointF> point = pointAt(series, day);
    return point ? point->toPoint() : QPoint(-1, -1);
}

std::optional<CycleChart::Hit> CycleChart::hitAt(QPointF position) const
{
    if (!m_model)
        return std::nullopt;
    const ChartGeometry &g = chartGeometry();
    const QList<Series> shown = m_view.shownSeries();
    std::optional<Hit> best;
    qreal bestDistance = lineReach;
    for (int place = 0; place < shown.size(); ++place) {
        const Series series = shown[place];
        for (int row = 0; row < m_model->dayCount(); ++row) {
            const double value = m_model->day(row).values[at(series)];
            if (m_view.bars) {
                const QRectF bar = g.barRect(row, place, int(shown.size()), value);
                if (bar.adjusted(0, -barReach, 0, barReach).contains(position))
                    return Hit{series, row};
                continue;
            }
            // A later series is drawn on top, so on a tie it is the one under the mouse.
            const qreal distance =
                QLineF(QPointF(g.dayCentre(row), g.valueY(value)), position).length();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = Hit{series, row};
            }
        }
    }
    return best;
}

void CycleChart::paintEvent(QPaintEvent *event)
{
    m_view.focused = hasFocus();
    m_shownCurrentRow = m_model ? m_model->currentRow() : -1;
    QPainter painter(this);
    // Part by part: a repaint is often a thin strip (the title line above changed) and a day's
    // column or two, whose bounding rectangle would be nearly the whole chart.
    const ChartStyle style = chartStyle(palette());
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        paintChart(painter, chartGeometry(), style, font(), m_model ? *m_model : noDays(), m_view,
                   part);
    }
}

void CycleChart::paintOn(QPainter &painter) const
{
    ChartGeometry geometry = chartGeometry();
    geometry.dayLabelFont = fontInPixels(geometry.dayLabelFont);
    ChartView view = m_view;
    view.focused = false;
    paintChart(painter, geometry, chartStyle(palette()), fontInPixels(font()),
               m_model ? *m_model : noDays(), view, rect());
}

int CycleChart::minimumHeightAt(int width) const
{
    // The widest ways of naming 33 days: around today (in words, and by day and month), and in
    // another year (by two-digit year, month and day).
    constexpr int longestSpan = 16;
    const QDate today(2026, 12, 15);
    QStringList legend;
    for (const Series series : everySeries)
        legend << seriesName(series);
    int lowest = 0;
    for (const QDate &query : {today, today.addYears(-1)}) {
        QStringList words;
        QStringList dates;
        for (int day = -longestSpan; day <= longestSpan; ++day) {
            words << RelativeDayLabel(query.addDays(day), today);
            dates << dateLabel(query.addDays(day), today);
        }
        const auto layoutAt = [&](int height) {
            return layOutChart(QRectF(0, 0, width, height), font(), words, dates, legend, false);
        };
        const auto labelledEvery50 = [](const ChartGeometry &g) {
            return g.valueLabelStep > 0 && g.valueLabelStep <= 2 * ChartGeometry::valueStep;
        };
        // Labels every 50 need a plot four lines high. What lies around the plot changes with
        // the height only where the days switch to another way of naming them, so the height
        // that leaves that plot is found in a few layouts, not by trying every height.
        const qreal plotNeeded = 4 * QFontMetricsF(font()).height();
        int height = 2000;
        for (int tries = 0; tries < 4; ++tries) {
            const int next = int(std::ceil(height - layoutAt(height).plot.height() + plotNeeded));
            if (next == height)
                break;
            height = next;
        }
        while (!labelledEvery50(layoutAt(height)))
            ++height;
        lowest = std::max(lowest, height);
    }
    return lowest;
}

QImage CycleChart::picture() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    // On the window's colour, as it stands on screen: a picture with see-through parts would put
    // its dark text on whatever it is pasted onto.
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    paintOn(painter);
    return image;
}

void CycleChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_geometry.reset();
}

void CycleChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        invalidateGeometry();
}

bool CycleChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const QString tip = toolTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

QString CycleChart::toolTipAt(QPointF position) const
{
    if (!m_model)
        return {};
    if (const std::optional<Hit> hit = hitAt(position)) {
        const DayRow &day = m_model->day(hit->row);
        //: A point's tooltip: the day's label, then the series and its value
        return tr("%1\n%2：%3")
            .arg(day.label, seriesName(hit->series), valueText(day.values[at(hit->series)]));
    }
    const ChartGeometry &g = chartGeometry();
    for (int row = 0; row < m_model->dayCount(); ++row) {
        const CriticalCycles cycles = m_model->day(row).critical;
        if (cycles == 0 || !criticalMarkerRect(g, row, std::popcount(cycles))
                                .adjusted(-2, -2, 2, 2)
                                .contains(position))
            continue;
        //: A critical day's tooltip: its label, then the cycles critical that day
        return tr("%1\n临界日：%2").arg(m_model->day(row).label, criticalCycleNames(cycles));
    }
    const int today = m_model->todayRow();
    if (today >= 0 && g.plot.contains(position) && std::abs(position.x() - g.dayCentre(today)) <= 3)
        return tr("竖线是今天");
    return {};
}

void CycleChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CycleChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void CycleChart::mousePressEvent(QMouseEvent *event)
{
    m_pressed.reset();
    if (event->button() == Qt::LeftButton)
        m_pressed = hitAt(event->position());
    QWidget::mousePressEvent(event);
}

// A point counts as clicked when the button goes down and comes up on the same point.
void CycleChart::mouseReleaseEvent(QMouseEvent *event)
{
    std::optional<Hit> clicked;
    if (event->button() == Qt::LeftButton && m_pressed && hitAt(event->position()) == m_pressed)
        clicked = m_pressed;
    m_pressed.reset();
    QWidget::mouseReleaseEvent(event);
    if (clicked)
        emit pointSelected(clicked->series, clicked->row);
}

void CycleChart::mouseDoubleClickEvent(QMouseEvent *event)
{
    const bool activated = event->button() == Qt::LeftButton &&
                           chartGeometry().plot.contains(event->position()) &&
                           !hitAt(event->position());
    QWidget::mouseDoubleClickEvent(event);
    if (activated)
        emit plotActivated();
}

} // namespace cyclara
