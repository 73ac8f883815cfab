// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/daystatus.h"

#include <QCoreApplication>

namespace cyclara {

namespace {

// A cycle as the status line puts it: its name and status, and what separates it from the next.
QString cycleInLine(int cycle, double value)
{
    qint16 band = 0;
    //: One cycle in the status line: its name and its status, followed by a blank
    return QCoreApplication::translate("DayStatus", "%1-%2 ")
        .arg(seriesName(everyCycle[std::size_t(cycle)]), PointVal(qint16(value), band));
}

} // namespace

QStringList cycleStatuses(const SeriesValues &values)
{
    QStringList statuses;
    for (int c = 0; c < cycleCount; ++c)
        statuses << cycleInLine(c, values[std::size_t(c)]).trimmed();
    return statuses;
}

QString dayStatusLine(const QString &label, const SeriesValues &values)
{
    QString cycles;
    for (int c = 0; c < cycleCount; ++c)
        cycles += cycleInLine(c, values[std::size_t(c)]);
    //: The status line: the day's label, then each cycle's status
    return QCoreApplication::translate("DayStatus", "%1: %2").arg(label, cycles);
}

QStringList dayTableHeadings()
{
    QStringList headings{QCoreApplication::translate("Export", "日期"),
                         QCoreApplication::translate("Export", "标签")};
    for (const Series series : everySeries)
        headings << seriesName(series);
    return headings;
}

QString seriesCellText(Series series, double value)
{
    if (at(series) >= std::size_t(cycleCount))
        return QString::number(value, 'f', 2);
    qint16 band = 0;
    return PointVal(qint16(value), band);
}

} // namespace cyclara
