// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/yeargrid.h"

#include "chart/chartpainter.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <bit>
#include <cmath>

namespace cyclara {

namespace {

// The diamonds are the chart's: of the same size and as far apart.
constexpr qreal markRadius = 4;
constexpr qreal markSpacing = 9;
constexpr qreal markFramePadding = 3;
constexpr int monthColumns = 4;
constexpr int monthRows = 3;
constexpr qreal monthGap = 14;
constexpr int weekRows = 6; // a month touches at most six weeks

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](float a, float b) {
        return a + float(share) * (b - a);
    };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

QFont boldOf(QFont font)
{
    font.setBold(true);
    return font;
}

// The month's name above its weekdays, then the six weeks.
struct MonthBands {
    QRectF title;
    QRectF weekdays;
    QSizeF cell;
    QPointF firstCell;
};

MonthBands monthBands(const QRectF &area, const QFont &font)
{
    const qreal line = QFontMetricsF(font).height();
    MonthBands bands;
    bands.title = QRectF(area.left(), area.top(), area.width(), 1.4 * line);
    bands.weekdays = QRectF(area.left(), bands.title.bottom(), area.width(), 1.2 * line);
    bands.cell = QSizeF(area.width() / 7, (area.bottom() - bands.weekdays.bottom()) / weekRows);
    bands.firstCell = QPointF(area.left(), bands.weekdays.bottom());
    return bands;
}

int columnOf(Qt::DayOfWeek weekday)
{
    return (int(weekday) - int(firstWeekday()) + 7) % 7;
}

// The marks of the cycles in `cycles` around `centre`, at `scale` of the chart's size; on a pale
// backdrop so that a diamond keeps its colour on a cell of a like hue.
void paintCriticalMarks(QPainter &painter, QPointF centre, CriticalCycles cycles,
                        const ChartStyle &style, qreal scale)
{
    const int count = std::popcount(cycles);
    if (count == 0)
        return;
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    const qreal width = markSpacing * (count - 1) + 2 * (markRadius + markFramePadding);
    const qreal height = 2 * (markRadius + markFramePadding);
    painter.setPen(count > 1 ? QPen(style.text, 1.5) : QPen(Qt::NoPen));
    painter.setBrush(style.plotBackground);
    painter.drawRoundedRect(QRectF(-width / 2, -height / 2, width, height), 4, 4);
    qreal x = -markSpacing * (count - 1) / 2;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        if (!(cycles & (1u << cycle)))
            continue;
        paintCriticalDiamond(painter, QPointF(x, 0),
                             style.seriesColour(everyCycle[std::size_t(cycle)]), style);
        x += markSpacing;
    }
    painter.restore();
}

QSizeF criticalMarksSize(int count)
{
    return {markSpacing * (count - 1) + 2 * (markRadius + markFramePadding),
            2 * (markRadius + markFramePadding)};
}

void paintDay(QPainter &painter, const QRectF &cell, const YearDays &days, const QDate &date,
              const YearLook &look)
{
    const ChartStyle &style = look.style;
    const bool has = days.has(date);
    const QColor fill =
        has ? meanColour(days.day(date).values[at(Series::Mean)], style) : style.plotBackground;
    const QColor ink = has ? dayNumberColour(fill) : style.text;
    const QRectF inner = cell.adjusted(1, 1, -1, -1);
    if (has) {
        painter.setPen(QPen(style.grid, 1));
        painter.setBrush(fill);
        painter.drawRect(inner);
    }
    const QFontMetricsF metrics(look.font);
    const qreal line = metrics.height();
    const CriticalCycles cycles = has ? days.day(date).critical : 0;
    const int marks = std::popcount(cycles);
    // On paper the number and the three values stand in lines from the top, the marks at the
    // top right; on screen the number stands above the marks.
    QRectF number;
    QPointF marksCentre;
    if (look.values) {
        number = QRectF(inner.left() + line / 4, inner.top(), inner.width() / 2, line);
        const QSizeF size = criticalMarksSize(std::max(marks, 1));
        marksCentre = QPointF(inner.right() - size.width() / 2 - 2, inner.top() + line / 2);
    } else {
        number = QRectF(inner.left(), inner.top(), inner.width(), inner.height() * 0.55);
        marksCentre = QPointF(inner.center().x(), inner.top() + inner.height() * 0.77);
    }
    painter.setPen(ink);
    painter.setFont(boldOf(look.font));
    painter.drawText(number, (look.values ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                     QString::number(date.day()));
    if (date == look.today) {
        const qreal radius = line * 0.62;
        const qreal numberWidth =
            QFontMetricsF(boldOf(look.font)).horizontalAdvance(QString::number(date.day()));
        const QPointF middle(look.values ? number.left() + numberWidth / 2 : number.center().x(),
                             number.center().y());
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(middle, radius, radius);
    }
    if (look.values && has) {
        QFont small = look.font;
        small.setPixelSize(std::max(1, qRound(QFontInfo(look.font).pixelSize() * 0.85)));
        painter.setFont(small);
        painter.setPen(ink);
        const qreal smallLine = QFontMetricsF(small).height();
        for (int cycle = 0; cycle < cycleCount; ++cycle) {
            const QRectF row(number.left(), number.bottom() + cycle * smallLine,
                             inner.width() - line / 2, smallLine);
            //: A printed day of the year: a cycle's name, then its value in percent
            painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
                             QCoreApplication::translate("cyclara::YearGrid", "%1 %2")
                                 .arg(seriesName(everyCycle[std::size_t(cycle)]))
                                 .arg(days.day(date).values[std::size_t(cycle)]));
        }
    }
    if (marks > 0) {
        const QSizeF size = criticalMarksSize(marks);
        const qreal room = look.values ? line : inner.height() * 0.45;
        const qreal scale =
            std::min({1.0, inner.width() * 0.9 / size.width(), room / size.height()});
        paintCriticalMarks(painter, marksCentre, cycles, style, scale);
    }
    if (date == look.selected) {
        painter.setBrush(Qt::NoBrush);
        const qreal width = look.focused ? 3 : 2;
        painter.setPen(QPen(style.text, width));
        painter.drawRect(inner.adjusted(width / 2, width / 2, -width / 2, -width / 2));
        // A second, thinner frame in the number's colour keeps the selection in sight on a cell
        // whose colour is close to the text's.
        painter.setPen(QPen(ink, 1));
        painter.drawRect(inner.adjusted(width + 0.5, width + 0.5, -width - 0.5, -width - 0.5));
    }
}

} // namespace

QColor meanColour(double mean, const ChartStyle &style)
{
    const QColor middle = style.dark ? QColor(0x3A, 0x3A, 0x3A) : QColor(0xF7, 0xF7, 0xF7);
    const QColor low = style.dark ? QColor(0x56, 0xB4, 0xE9) : QColor(0x00, 0x72, 0xB2);
    const QColor high = style.dark ? QColor(0xE6, 0x9F, 0x00) : QColor(0xD5, 0x5E, 0x00);
    const double share = std::clamp(std::abs(mean) / 100.0, 0.0, 1.0);
    return mixed(middle, mean < 0 ? low : high, share);
}

QColor dayNumberColour(const QColor &cell)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, cell) >= contrastRatio(white, cell) ? black : white;
}

QRectF monthRect(const QRectF &area, int month)
{
    const int place = month - 1;
    const qreal width = (area.width() - monthGap * (monthColumns - 1)) / monthColumns;
    const qreal height = (area.height() - monthGap * (monthRows - 1)) / monthRows;
    return QRectF(area.left() + (place % monthColumns) * (width + monthGap),
                  area.top() + (place / monthColumns) * (height + monthGap), width, height);
}

QRectF dayCellRect(const QRectF &area, const QDate &date, const QFont &font)
{
    const MonthBands bands = monthBands(area, font);
    const QDate first(date.year(), date.month(), 1);
    const int place = columnOf(Qt::DayOfWeek(first.dayOfWeek())) + date.day() - 1;
    return QRectF(bands.firstCell +
                      QPointF((place % 7) * bands.cell.width(), (place / 7) * bands.cell.height()),
                  bands.cell);
}

void paintMonth(QPainter &painter, const QRectF &area, const YearDays &days, int month,
                const YearLook &look)
{
    painter.save();
    const MonthBands bands = monthBands(area, look.font);
    painter.setPen(look.style.text);
    painter.setFont(boldOf(look.font));
    painter.drawText(bands.title, Qt::AlignCenter, QLocale().standaloneMonthName(month));
    painter.setFont(look.font);
    for (int column = 0; column < 7; ++column) {
        const int weekday = (int(firstWeekday()) - 1 + column) % 7 + 1;
        const QRectF box(bands.weekdays.left() + column * bands.cell.width(), bands.weekdays.top(),
                         bands.cell.width(), bands.weekdays.height());
        painter.drawText(box, Qt::AlignCenter,
                         QLocale().standaloneDayName(weekday, QLocale::NarrowFormat));
    }
    for (QDate date(days.year(), month, 1); date.month() == month; date = date.addDays(1))
        paintDay(painter, dayCellRect(area, date, look.font), days, date, look);
    painter.restore();
}

qreal yearLegendHeight(const QFont &font)
{
    return 1.6 * QFontMetricsF(font).height();
}

void paintYearLegend(QPainter &painter, const QRectF &area, const ChartStyle &style,
                     const QFont &font)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const qreal line = metrics.height();
    const qreal middle = area.center().y();
    const qreal gap = line / 2;
    qreal x = area.left();
    const auto text = [&](const QString &words) {
        painter.setPen(style.text);
        const qreal width = metrics.horizontalAdvance(words);
        painter.drawText(QRectF(x, area.top(), width + 1, area.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, words);
        x += width + gap;
    };
    text(seriesName(Series::Mean));
    text(QStringLiteral("-100"));
    const QRectF bar(x, middle - line * 0.35, 8 * line, line * 0.7);
    QLinearGradient scale(bar.topLeft(), bar.topRight());
    for (int step = 0; step <= 8; ++step)
        scale.setColorAt(step / 8.0, meanColour(-100 + 25 * step, style));
    painter.setPen(QPen(style.plotBorder, 1));
    painter.setBrush(scale);
    painter.drawRect(bar);
    x = bar.right() + gap;
    text(QStringLiteral("100"));
    x += gap;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        const QSizeF size = criticalMarksSize(1);
        paintCriticalMarks(painter, QPointF(x + size.width() / 2, middle), 1u << cycle, style, 1);
        x += size.width() + gap / 2;
        //: The year view's legend: the mark of a cycle's critical day
        text(QCoreApplication::translate("cyclara::YearGrid", "%1临界")
                 .arg(seriesName(everyCycle[std::size_t(cycle)])));
    }
    const QSizeF together = criticalMarksSize(2);
    paintCriticalMarks(painter, QPointF(x + together.width() / 2, middle), 0b11u, style, 1);
    x += together.width() + gap / 2;
    //: The year view's legend: the frame around two or three critical cycles of one day
    text(QCoreApplication::translate("cyclara::YearGrid", "同日多个临界"));
    painter.setPen(QPen(style.text, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(x + line * 0.62, middle), line * 0.62, line * 0.62);
    x += 1.24 * line + gap / 2;
    //: The year view's legend: the ring around today's number
    text(QCoreApplication::translate("cyclara::YearGrid", "今天"));
    painter.restore();
}

YearGrid::YearGrid(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(760, 520);
}

void YearGrid::setDays(const YearDays *days, const QDate &selected, const QDate &today)
{
    m_days = days;
    m_today = today;
    m_selected = days && !days->isEmpty() ? days->clamped(selected) : QDate();
    update();
    setAccessibleDescription(m_days ? m_days->statusText(m_selected) : QString());
    emit selectedChanged(m_selected);
}

void YearGrid::select(const QDate &date)
{
    if (!m_days || m_days->isEmpty())
        return;
    const QDate chosen = m_days->clamped(date);
    if (chosen == m_selected)
        return;
    for (const QDate &day : {m_selected, chosen})
        update(cellRect(day).toAlignedRect().adjusted(-2, -2, 2, 2));
    m_selected = chosen;
    setAccessibleDescription(m_days->statusText(chosen));
    emit selectedChanged(chosen);
}

QRectF YearGrid::monthsArea() const
{
    const qreal margin = 8;
    return QRectF(rect()).adjusted(margin, margin, -margin,
                                   -margin - yearLegendHeight(font()) - monthGap / 2);
}

QRectF YearGrid::cellRect(const QDate &date) const
{
    if (!date.isValid())
        return {};
    return dayCellRect(monthRect(monthsArea(), date.month()), date, font());
}

std::optional<QDate> YearGrid::dayAt(QPointF position) const
{
    if (!m_days || m_days->year() == 0)
        return std::nullopt;
    for (int month = 1; month <= 12; ++month) {
        const QRectF area = monthRect(monthsArea(), month);
        if (!area.contains(position))
            continue;
        for (QDate date(m_days->year(), month, 1); date.month() == month; date = date.addDays(1))
            if (dayCellRect(area, date, font()).contains(position))
                return date;
    }
    return std::nullopt;
}

void YearGrid::paint(QPainter &painter, const YearLook &look, const QRect &exposed) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(exposed);
    if (look.style.background.alpha() > 0)
        painter.fillRect(exposed, look.style.background);
    const QRectF area = monthsArea();
    // A day walked repaints two cells: only the months they lie in are drawn.
    for (int month = 1; m_days && m_days->year() != 0 && month <= 12; ++month) {
        const QRectF place = monthRect(area, month);
        if (place.intersects(exposed))
            paintMonth(painter, place, *m_days, month, look);
    }
    const QRectF legend(area.left(), area.bottom() + monthGap / 2, area.width(),
                        yearLegendHeight(look.font));
    if (legend.intersects(exposed))
        paintYearLegend(painter, legend, look.style, look.font);
}

void YearGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const YearLook look{chartStyle(palette()), font(), false, m_selected, m_today, hasFocus()};
    paint(painter, look, event->rect());
}

bool YearGrid::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const auto date = dayAt(help->pos());
    if (date && m_days->has(*date))
        QToolTip::showText(help->globalPos(), m_days->statusText(*date), this);
    else
        QToolTip::hideText();
    return true;
}

void YearGrid::keyPressEvent(QKeyEvent *event)
{
    if (!m_days || m_days->isEmpty() || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QDate from = m_selected;
    switch (event->key()) {
    case Qt::Key_Left:
        select(from.addDays(-1));
        break;
    case Qt::Key_Right:
        select(from.addDays(1));
        break;
    case Qt::Key_Up:
        select(from.addDays(-7));
        break;
    case Qt::Key_Down:
        select(from.addDays(7));
        break;
    case Qt::Key_PageUp:
        select(from.addMonths(-1));
        break;
    case Qt::Key_PageDown:
        select(from.addMonths(1));
        break;
    case Qt::Key_Home:
        select(m_days->first());
        break;
    case Qt::Key_End:
        select(m_days->last());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit dayActivated(m_selected);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void YearGrid::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto date = dayAt(event->position()); date && m_days->has(*date))
        select(*date);
}

void YearGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto date = dayAt(event->position()); date && m_days->has(*date)) {
        select(*date);
        emit dayActivated(*date);
    }
}

void YearGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void YearGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void YearGrid::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
}

} // namespace cyclara
