// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/yeardays.h"

#include "model/daystatus.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace cyclara {

YearDays::YearDays(const QDate &birth, int year)
    : m_year(year)
    , m_birth(birth)
{
    const QDate first = std::max(QDate(year, 1, 1), birth);
    const QDate last(year, 12, 31);
    if (birth.isValid() && first <= last)
        m_rows = buildDayRange(birth, first, last, QDate());
}

QDate YearDays::clamped(const QDate &date) const
{
    return std::clamp(date, first(), last());
}

QString YearDays::statusText(const QDate &date) const
{
    if (!has(date))
        return {};
    //: A day of the year view: its date, then its weekday
    const QString label = QCoreApplication::translate("YearDays", "%1 %2")
                              .arg(date.toString(Qt::ISODate), QLocale().dayName(date.dayOfWeek()));
    return dayStatusLine(label, day(date).values).trimmed();
}

QDate sameDayInYear(const QDate &date, int year)
{
    const QDate firstOfMonth(year, date.month(), 1);
    return QDate(year, date.month(), std::min(date.day(), firstOfMonth.daysInMonth()));
}

Qt::DayOfWeek firstWeekday()
{
    const QLocale locale;
    // The Chinese calendars on walls and desks begin their weeks on Monday, in Taiwan too.
    return locale.language() == QLocale::Chinese ? Qt::Monday : locale.firstDayOfWeek();
}

} // namespace cyclara
