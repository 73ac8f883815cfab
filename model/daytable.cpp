#include "model/daytable.h"

#include "model/criticaldays.h"
#include "model/dates.h"

#include <QLocale>

#include <cmath>
#include <vector>

namespace cyclara {

QList<SeriesValues> seriesValues(qint32 firstDayIndex, qsizetype count)
{
    // One cycle at a time, so that each cycle's run of days is worked out in one go.
    const auto n = static_cast<std::size_t>(count);
    std::vector<double> cycles(cycleCount * n);
    for (std::size_t c = 0; c < cycleCount; ++c)
        cycleValues(allSeries[c].period, firstDayIndex, std::span(cycles).subspan(c * n, n));
    QList<SeriesValues> rows(count);
    for (std::size_t i = 0; i < n; ++i) {
        const double intellectual = cycles[i];
        const double emotional = cycles[n + i];
        const double physical = cycles[2 * n + i];
        rows[qsizetype(i)] = {intellectual, emotional, physical,
                              meanValue(intellectual, emotional, physical),
                              absoluteMeanValue(intellectual, emotional, physical)};
    }
    return rows;
}

QList<DayRow> buildDayTable(const QDate &birth, const QDate &query, int span, const QDate &today)
{
    // One day more on either side tells whether the first and the last day are critical.
    const auto birthToQuery = qint32(birth.daysTo(query));
    const QList<SeriesValues> values = seriesValues(birthToQuery - span - 1, 2 * span + 3);
    const QList<CriticalCycles> critical = criticalCyclesInside(values);
    QList<DayRow> rows;
    rows.reserve(critical.size());
    for (int offset = -span; offset <= span; ++offset) {
        const QDate date = query.addDays(offset);
        rows.append({date, RelativeDayLabel(date, today), values[offset + span + 1],
                     critical[offset + span]});
    }
    return rows;
}

bool dayTableInRange(const QDate &query, int span)
{
    static const QDate first(100, 1, 1);
    static const QDate last(9999, 12, 31);
    return query.isValid() && query.addDays(-span) >= first && query.addDays(span) <= last;
}

QString valueText(double value)
{
    // Doubles hold whole numbers exactly far beyond the cycle range; 'f' with no decimals writes
    // them digit for digit, and adding 0.0 turns a negative zero into a plain zero.
    if (std::isfinite(value) && value == std::trunc(value))
        return QString::number(value + 0.0, 'f', 0);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace cyclara
