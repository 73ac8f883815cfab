// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "chart/chartstyle.h"
#include "model/yeardays.h"

#include <QDate>
#include <QFont>
#include <QWidget>

#include <optional>

namespace cyclara {

// The colour of a day whose mean is `mean` (-100 to 100): a diverging scale from blue (low)
// through a pale middle (0) to orange (high), two Okabe–Ito hues that stay apart for the common
// forms of colour blindness, fitted to a light or a dark chart.
QColor meanColour(double mean, const ChartStyle &style);
// Black or white, whichever stands out more against `cell`: never below 4.5:1.
QColor dayNumberColour(const QColor &cell);

// How a year's months are drawn: on screen the days with their numbers and marks, on paper their
// three values as well.
struct YearLook {
    ChartStyle style;
    QFont font; // of the day numbers; titles in bold, values smaller
    bool values = false;
    QDate selected; // null for none
    QDate today;
    bool focused = false;
};

// A month as a calendar in `area`: its name, the weekdays (from firstWeekday()), and a cell per
// day coloured by its mean, today ringed, the selected day framed, and one diamond per critical
// cycle in the cycle's colour (framed together when two or three fall on the day). Days without
// values (before the birth) are left pale.
void paintMonth(QPainter &painter, const QRectF &area, const YearDays &days, int month,
                const YearLook &look);
// Where the day `date` stands in its month drawn in `area`.
QRectF dayCellRect(const QRectF &area, const QDate &date, const QFont &font);
// The twelve months in four columns and three rows within `area`; month from 1.
QRectF monthRect(const QRectF &area, int month);
// The scale of the colours from -100 to 100, the marks of the critical cycles and of today, in one
// row across `area`.
void paintYearLegend(QPainter &painter, const QRectF &area, const ChartStyle &style,
                     const QFont &font);
// How tall the legend's row is in `font`.
qreal yearLegendHeight(const QFont &font);

// 全年: one person's year as twelve month calendars with the legend below. A click selects a day,
// a double click or Enter hands it on (dayActivated); the arrows walk a day (Left, Right) or a
// week (Up, Down), PageUp and PageDown a month, Home and End to the first and the last day. Its
// accessible description and its tooltips tell the day in words.
class YearGrid : public QWidget {
    Q_OBJECT
public:
    explicit YearGrid(QWidget *parent = nullptr);

    // The days shown: the grid keeps the pointer, and is told again after each change.
    void setDays(const YearDays *days, const QDate &selected, const QDate &today);
    const YearDays *days() const { return m_days; }
    QDate selected() const { return m_selected; }
    // Selects `date` (kept within the days) as the keys do.
    void select(const QDate &date);

    QRectF cellRect(const QDate &date) const;
    std::optional<QDate> dayAt(QPointF position) const;

signals:
    void selectedChanged(const QDate &date);
    void dayActivated(const QDate &date);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QRectF monthsArea() const;
    void paint(QPainter &painter, const YearLook &look, const QRect &exposed) const;

    const YearDays *m_days = nullptr;
    QDate m_selected;
    QDate m_today;
};

} // namespace cyclara
