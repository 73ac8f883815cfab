// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/peoplechart.h"

#include "chart/chartpainter.h"
#include "chart/chartstyle.h"
#include "model/dates.h"
#include "model/peopledaysmodel.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <bit>
#include <cmath>

namespace cyclara {

namespace {

// Beyond a month the days are too many to name each: every so many carries its date.
constexpr int namedDays = 33;
constexpr int labelsAtMost = 16;
constexpr qreal markerRadius = 3;
constexpr qreal diamondSpacing = 9;

} // namespace

PeopleChart::PeopleChart(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void PeopleChart::setModel(const PeopleDaysModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    connect(model, &QAbstractItemModel::modelReset, this, &PeopleChart::daysChanged);
    connect(model, &QAbstractItemModel::dataChanged, this, &PeopleChart::daysChanged);
    connect(model, &PeopleDaysModel::currentRowChanged, this, &PeopleChart::currentDayChanged);
    daysChanged();
}

void PeopleChart::daysChanged()
{
    m_geometry.reset();
    m_shownCurrentRow = m_model ? m_model->currentRow() : -1;
    update();
    describeCurrentDay();
}

void PeopleChart::currentDayChanged(int row)
{
    if (!m_geometry) {
        update();
    } else {
        const ChartGeometry &g = *m_geometry;
        for (const int day : {m_shownCurrentRow, row}) {
            if (day >= 0 && day < g.dayCount)
                update(QRectF(g.dayCentre(day) - g.slotWidth() - 2, g.plot.top(),
                              2 * g.slotWidth() + 4, g.plot.height())
                           .toAlignedRect());
        }
    }
    m_shownCurrentRow = row;
    describeCurrentDay();
}

void PeopleChart::describeCurrentDay()
{
    if (m_model && m_model->hasDay(m_model->currentRow()))
        setAccessibleDescription(m_model->dayStatusText(m_model->currentRow()));
}

const ChartGeometry &PeopleChart::chartGeometry() const
{
    if (!m_geometry) {
        QStringList labels;
        QStringList dates;
        QStringList legend;
        const int days = m_model ? m_model->dayCount() : 0;
        const int every = days > namedDays ? (days + labelsAtMost - 1) / labelsAtMost : 1;
        for (int row = 0; row < days; ++row) {
            const bool named = row % every == 0;
            const QDate date = m_model->date(row);
            const QString byDate = named ? dateLabel(date, m_model->today()) : QString();
            labels << (every > 1 ? byDate : m_model->day(0, row).label);
            dates << byDate;
        }
        if (days > 0) {
            for (const Person &person : m_model->people())
                legend << person.name;
        }
        m_geometry = layOutChart(rect(), font(), labels, dates, legend, false);
    }
    return *m_geometry;
}

QPointF PeopleChart::pointPosition(int person, int row) const
{
    const ChartGeometry &g = chartGeometry();
    if (!m_model || !m_model->hasDay(row) || person < 0 || person >= m_model->people().size())
        return {-1, -1};
    return {g.dayCentre(row), g.valueY(m_model->day(person, row).values[at(m_model->series())])};
}

void PeopleChart::paint(QPainter &painter, const QRectF &exposed, bool focused, const QFont &font,
                        const ChartGeometry &g) const
{
    const ChartStyle style = chartStyle(palette());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.background.alpha() > 0)
        painter.fillRect(g.card.intersected(exposed), style.background);
    const PeopleDaysModel *model = m_model;
    const int days = model ? model->dayCount() : 0;
    if (exposed.intersects(plotReach(g, font))) {
        paintDayPlot(painter, g, style, font, days > 0 ? model->currentRow() : -1,
                     days > 0 ? model->todayRow() : -1, exposed);
        const auto [first, last] = daysReaching(g, exposed);
        const std::size_t series = model ? at(model->series()) : 0;
        // Markers only where the days stand far enough apart to tell them from the line.
        const bool markers = g.slotWidth() >= 4 * markerRadius;
        for (int person = 0; days > 0 && person < model->people().size(); ++person) {
            QPolygonF line;
            for (int row = first; row <= last; ++row)
                line << QPointF(g.dayCentre(row), g.valueY(model->day(person, row).values[series]));
            painter.setPen(style.personPen(person));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(line);
            if (markers) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(style.personColour(person));
                for (const QPointF &point : std::as_const(line))
                    painter.drawEllipse(point, markerRadius, markerRadius);
            }
        }
        // Each person critical that day: a diamond in that person's colour, side by side.
        for (int row = first; days > 0 && row <= last; ++row) {
            QList<int> critical;
            for (int person = 0; person < model->people().size(); ++person)
                if (model->day(person, row).critical != 0)
                    critical << person;
            qreal x = g.dayCentre(row) - diamondSpacing * qreal(critical.size() - 1) / 2;
            for (const int person : std::as_const(critical)) {
                paintCriticalDiamond(painter, QPointF(x, g.valueY(0)), style.personColour(person),
                                     style);
                x += diamondSpacing;
            }
        }
    }
    if (focused)
        paintChartFocus(painter, g, style);
    if (exposed.intersects(g.legendRow)) {
        painter.setFont(font);
        for (qsizetype i = 0; days > 0 && i < g.legendItems.size(); ++i)
            paintLegendEntry(painter, g, style, g.legendItems[i], style.personPen(int(i)),
                             std::nullopt, model->people().at(i).name);
    }
    painter.restore();
}

void PeopleChart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (const QRect &part : event->region()) {
        painter.setClipRect(part);
        paint(painter, part, hasFocus(), font(), chartGeometry());
    }
}

void PeopleChart::paintOn(QPainter &painter) const
{
    ChartGeometry geometry = chartGeometry();
    geometry.dayLabelFont = fontInPixels(geometry.dayLabelFont);
    paint(painter, rect(), false, fontInPixels(font()), geometry);
}

QImage PeopleChart::picture() const
{
    const qreal ratio = devicePixelRatioF();
    QImage image((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    paint(painter, rect(), false, font(), chartGeometry());
    return image;
}

std::optional<int> PeopleChart::dayAt(QPointF position) const
{
    const ChartGeometry &g = chartGeometry();
    if (!m_model || m_model->dayCount() == 0 || !g.plot.contains(position))
        return std::nullopt;
    const int row = int((position.x() - g.plot.left()) / g.slotWidth());
    return std::clamp(row, 0, m_model->dayCount() - 1);
}

bool PeopleChart::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    if (const auto row = dayAt(help->pos()))
        QToolTip::showText(help->globalPos(), m_model->dayStatusText(*row), this);
    else
        QToolTip::hideText();
    return true;
}

void PeopleChart::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto row = dayAt(event->position()))
        emit dayClicked(*row);
}

void PeopleChart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_geometry.reset();
}

void PeopleChart::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        m_geometry.reset();
        update();
    }
}

void PeopleChart::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void PeopleChart::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace cyclara
