// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/daytable.h"

#include <QDate>
#include <QList>
#include <QString>

namespace cyclara {

// One person's days of one calendar year, as the year view shows and prints them: from 1 January
// (or the birth date, when the person was born that year) to 31 December, each with its five
// values and its critical cycles. A year before the birth year has no days.
class YearDays {
public:
    YearDays() = default;
    YearDays(const QDate &birth, int year);

    int year() const { return m_year; }
    const QDate &birth() const { return m_birth; }
    bool isEmpty() const { return m_rows.isEmpty(); }
    // The first and the last day that have values; only when not empty.
    QDate first() const { return m_rows.constFirst().date; }
    QDate last() const { return m_rows.constLast().date; }
    int dayCount() const { return int(m_rows.size()); }
    bool has(const QDate &date) const { return !isEmpty() && date >= first() && date <= last(); }
    // The day `date`, or its place among the days (from 0); only for a day has() takes.
    const DayRow &day(const QDate &date) const { return m_rows.at(index(date)); }
    const DayRow &day(int index) const { return m_rows.at(index); }
    int index(const QDate &date) const { return int(first().daysTo(date)); }
    // `date` moved into the days: the first day for one before them, the last for one after.
    QDate clamped(const QDate &date) const;

    // How a day is told in the status line, the tooltip and to a screen reader: its date and
    // weekday, then each cycle's status.
    QString statusText(const QDate &date) const;

private:
    int m_year = 0;
    QDate m_birth;
    QList<DayRow> m_rows;
};

// The day of the year `year` with the month and the day of `date`: 29 February becomes the 28th
// in a year without it.
QDate sameDayInYear(const QDate &date, int year);

// The weekday the year view's weeks begin with: Monday in Chinese, the locale's own in English.
Qt::DayOfWeek firstWeekday();

} // namespace cyclara
