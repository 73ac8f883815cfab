// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/biorhythm.h"
#include "model/criticaldays.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <functional>

namespace cyclara {

// One charted day: its date, its label relative to today, the five series values in series
// order, and which cycles are critical that day (bit 0 intellectual, 1 emotional, 2 physical).
struct DayRow {
    QDate date;
    QString label;
    SeriesValues values{};
    CriticalCycles critical = 0;

    friend bool operator==(const DayRow &, const DayRow &) = default;
};

// The five series values of `count` consecutive days, the first `firstDayIndex` days after birth.
QList<SeriesValues> seriesValues(qint32 firstDayIndex, qsizetype count);

// The days from span days before to span days after the query date, in ascending order; the
// query date is the middle row.
QList<DayRow> buildDayTable(const QDate &birth, const QDate &query, int span, const QDate &today);

// The days from `first` to `last` (not before `first`), in ascending order; without labels when
// `today` is null.
QList<DayRow> buildDayRange(const QDate &birth, const QDate &first, const QDate &last,
                            const QDate &today);

// The same days as buildDayRange gives, handed to `block` a few hundred at a time, so that a table
// of any length can be written while its days are worked out, in the same memory. Stops when
// `block` returns false; returns whether every block was taken.
bool forEachDayBlock(const QDate &birth, const QDate &first, const QDate &last, const QDate &today,
                     const std::function<bool(const QList<DayRow> &)> &block);

// Whether every day of such a table is a date the program can name and count with
// (100-01-01 to 9999-12-31).
bool dayTableInRange(const QDate &query, int span);

// A value of the table as the program writes it: the shortest decimal form that reads back to the
// same double, whole numbers of the cycle range as plain digits, and no negative zero ("19",
// "-43", "0", "-13.666666666666666").
QString valueText(double value);
// The same in ASCII at `at`, which has room for 24 characters; returns where it ends.
char *valueDigits(double value, char *at);

} // namespace cyclara
