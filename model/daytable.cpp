#include "model/daytable.h"

#include "model/criticaldays.h"
#include "model/dates.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace cyclara {

QList<SeriesValues> seriesValues(qint32 firstDayIndex, qsizetype count)
{
    // One cycle at a time, so that each cycle's run of days is worked out in one go.
    const auto n = static_cast<std::size_t>(count);
    std::vector<double> cycles(cycleCount * n);
    for (std::size_t c = 0; c < cycleCount; ++c)
        cycleValues(cyclePeriod(everyCycle[c]), firstDayIndex, std::span(cycles).subspan(c * n, n));
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
    return buildDayRange(birth, query.addDays(-span), query.addDays(span), today);
}

QList<DayRow> buildDayRange(const QDate &birth, const QDate &first, const QDate &last,
                            const QDate &today)
{
    // Where nobody reads the labels (a table of numbers), naming 36 000 days is a third of the
    // work; a null today leaves them out.
    const auto count = std::max<qsizetype>(0, first.daysTo(last) + 1);
    // One day more on either side tells whether the first and the last day are critical.
    const QList<SeriesValues> values = seriesValues(qint32(birth.daysTo(first)) - 1, count + 2);
    const QList<CriticalCycles> critical = criticalCyclesInside(values);
    QList<DayRow> rows;
    rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QDate date = first.addDays(i);
        rows.append({date, today.isNull() ? QString() : relativeDayLabel(date, today),
                     values[i + 1], critical[i]});
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
    // std::to_chars writes the shortest form that reads back, and whole numbers of the cycle
    // range as plain digits, in a tenth of the instructions of QString::number, which a 100-year
    // table on the command line notices. Adding 0.0 turns a negative zero into a plain zero.
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value + 0.0).ptr;
    return QString::fromLatin1(digits.data(), end - digits.data());
}

} // namespace cyclara
