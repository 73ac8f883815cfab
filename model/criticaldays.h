// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace cyclara {

// A cycle is critical on a day when its value is 0, or when that day and a neighbouring day have
// values of opposite sign and it is the one of the two nearer to zero (the earlier one when both
// are as near): the day the cycle crosses from one side to the other.

// Which of a run of consecutive days' values of one cycle lie on a critical day. The first and
// the last day are judged only by the neighbour the run gives them.
std::vector<bool> criticalDays(std::span<const double> values);

// Which cycles are critical on a day, one bit each: bit 0 intellectual, 1 emotional, 2 physical.
using CriticalCycles = unsigned;

// Which cycles are critical on each day of a run of days whose series values are given with one
// more day on either side (so `values.size() - 2` results, for the days inside).
QList<CriticalCycles> criticalCyclesInside(const QList<std::array<double, 5>> &values);

// The names of the cycles in `cycles`, in cycle order, as a list in the interface's language
// ("智力、体力").
QString criticalCycleNames(CriticalCycles cycles);

// The cycles in `cycles` and, when two or three fall together, which: "智力、情绪（双重）".
QString criticalCyclesText(CriticalCycles cycles);

struct CriticalDay {
    QDate date;
    CriticalCycles cycles = 0;

    friend bool operator==(const CriticalDay &, const CriticalDay &) = default;
};

// How many cycles fall together on the critical days looked for: any, two or more, all three.
enum class CriticalKind { Any, Double, Triple };

// Whether a day with `cycles` critical is of `kind`.
bool criticalOfKind(CriticalCycles cycles, CriticalKind kind);

// The critical days of `kind` from `first` to `last` of a person born on `birth`, in date order.
QList<CriticalDay> criticalDaysBetween(const QDate &birth, const QDate &first, const QDate &last,
                                       CriticalKind kind);

// The first critical day of `kind` on or after `from`, however far ahead it lies within the days
// the program can name (up to 9999-12-31); nothing when there is none before then.
std::optional<CriticalDay> nextCriticalDay(const QDate &birth, const QDate &from,
                                           CriticalKind kind);

// The days from `from` on, `count` of them, on which any cycle of a person born on `birth` is
// critical, in date order.
QList<CriticalDay> criticalDaysAhead(const QDate &birth, const QDate &from, int count);

} // namespace cyclara
