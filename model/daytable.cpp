#include "model/daytable.h"

#include "model/dates.h"

namespace cyclara {

QList<DayRow> buildDayTable(const QDate &birth, const QDate &query, int span, const QDate &today)
{
    const auto birthToQuery = qint32(birth.daysTo(query));
    QList<DayRow> rows;
    rows.reserve(2 * span + 1);
    for (int offset = -span; offset <= span; ++offset) {
        const qint32 dayIndex = birthToQuery + offset;
        DayRow row;
        row.label = RelativeDayLabel(query.addDays(offset), today);
        const double intellectual = cycleValue(allSeries[0].period, dayIndex);
        const double emotional = cycleValue(allSeries[1].period, dayIndex);
        const double physical = cycleValue(allSeries[2].period, dayIndex);
        row.values = {intellectual, emotional, physical,
                      meanValue(intellectual, emotional, physical),
                      absoluteMeanValue(intellectual, emotional, physical)};
        rows.append(row);
    }
    return rows;
}

bool dayTableInRange(const QDate &query, int span)
{
    static const QDate first(100, 1, 1);
    static const QDate last(9999, 12, 31);
    return query.isValid() && query.addDays(-span) >= first && query.addDays(span) <= last;
}

} // namespace cyclara
