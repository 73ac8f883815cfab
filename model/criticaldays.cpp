// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/criticaldays.h"

#include "model/daytable.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <bit>
#include <cmath>
#include <functional>

namespace cyclara {

namespace {

bool oppositeSigns(double a, double b)
{
    return (a < 0 && b > 0) || (a > 0 && b < 0);
}

} // namespace

std::vector<bool> criticalDays(std::span<const double> values)
{
    std::vector<bool> critical(values.size(), false);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] == 0) {
            critical[i] = true;
            continue;
        }
        // With the next day: this one, the earlier, is critical when at least as near to zero.
        if (i + 1 < values.size() && oppositeSigns(values[i], values[i + 1]) &&
            std::abs(values[i]) <= std::abs(values[i + 1]))
            critical[i] = true;
        // With the day before: this one, the later, only when strictly nearer.
        if (i > 0 && oppositeSigns(values[i], values[i - 1]) &&
            std::abs(values[i]) < std::abs(values[i - 1]))
            critical[i] = true;
    }
    return critical;
}

QString criticalCycleNames(CriticalCycles cycles)
{
    QStringList names;
    for (int cycle = 0; cycle < cycleCount; ++cycle) {
        if (cycles & (1u << cycle))
            names << seriesName(everyCycle[std::size_t(cycle)]);
    }
    //: What separates the items of a list of cycle names
    return names.join(QCoreApplication::translate("Series", "、"));
}

QString criticalCyclesText(CriticalCycles cycles)
{
    const int count = std::popcount(cycles);
    const QString together = count == 3   ? QCoreApplication::translate("Series", "（三重）")
                             : count == 2 ? QCoreApplication::translate("Series", "（双重）")
                                          : QString();
    return criticalCycleNames(cycles) + together;
}

QList<CriticalCycles> criticalCyclesInside(const QList<SeriesValues> &values)
{
    QList<CriticalCycles> inside(std::max<qsizetype>(0, values.size() - 2), 0);
    for (std::size_t c = 0; c < cycleCount; ++c) {
        std::vector<double> run;
        for (const SeriesValues &day : values)
            run.push_back(day[c]);
        const std::vector<bool> critical = criticalDays(run);
        for (qsizetype i = 0; i < inside.size(); ++i) {
            if (critical[std::size_t(i + 1)])
                inside[i] |= 1u << c;
        }
    }
    return inside;
}

QList<CriticalDay> criticalDaysAhead(const QDate &birth, const QDate &from, int count)
{
    const QList<CriticalCycles> cycles =
        criticalCyclesInside(seriesValues(qint32(birth.daysTo(from)) - 1, count + 2));
    QList<CriticalDay> days;
    for (int i = 0; i < count; ++i) {
        if (cycles[i] != 0)
            days.append({from.addDays(i), cycles[i]});
    }
    return days;
}

bool criticalOfKind(CriticalCycles cycles, CriticalKind kind)
{
    const int count = std::popcount(cycles);
    switch (kind) {
    case CriticalKind::Any:
        return count > 0;
    case CriticalKind::Double:
        return count >= 2;
    case CriticalKind::Triple:
        return count == cycleCount;
    }
    Q_UNREACHABLE();
}

namespace {

// Hands the critical cycles of the days from `first` to `last` to `day` a block at a time, in
// date order, until `day` returns false.
void forEachCriticalDay(const QDate &birth, const QDate &first, const QDate &last,
                        const std::function<bool(const QDate &, CriticalCycles)> &day)
{
    // Large blocks: the search for the next triple day may cross millions of days.
    constexpr qint64 blockDays = 8192;
    for (QDate blockFirst = first; blockFirst.isValid() && blockFirst <= last;
         blockFirst = blockFirst.addDays(blockDays)) {
        const qint64 count = std::min(blockDays, blockFirst.daysTo(last) + 1);
        const QList<CriticalCycles> cycles = criticalCyclesInside(
            seriesValues(qint32(birth.daysTo(blockFirst)) - 1, qsizetype(count) + 2));
        for (qsizetype i = 0; i < count; ++i) {
            if (cycles[i] != 0 && !day(blockFirst.addDays(i), cycles[i]))
                return;
        }
    }
}

} // namespace

QList<CriticalDay> criticalDaysBetween(const QDate &birth, const QDate &first, const QDate &last,
                                       CriticalKind kind)
{
    QList<CriticalDay> days;
    forEachCriticalDay(birth, first, last, [&](const QDate &date, CriticalCycles cycles) {
        if (criticalOfKind(cycles, kind))
            days.append({date, cycles});
        return true;
    });
    return days;
}

std::optional<CriticalDay> nextCriticalDay(const QDate &birth, const QDate &from, CriticalKind kind)
{
    std::optional<CriticalDay> found;
    forEachCriticalDay(birth, from, QDate(9999, 12, 31),
                       [&](const QDate &date, CriticalCycles cycles) {
                           if (criticalOfKind(cycles, kind))
                               found = CriticalDay{date, cycles};
                           return !found;
                       });
    return found;
}

} // namespace cyclara
