// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/criticaltables.h"

#include "cli/tabletext.h"

#include <bit>

namespace cyclara {

namespace {

// What is looked for, as the end of a sentence.
QString criticalDaysOfKind(CriticalKind kind)
{
    switch (kind) {
    case CriticalKind::Any:
        //: What was looked for: any critical day, a double one (two or three cycles critical
        //: together) or a triple one; it ends the line telling there is none
        return CommandOptions::tr("临界日");
    case CriticalKind::Double:
        return CommandOptions::tr("双重临界日");
    case CriticalKind::Triple:
        return CommandOptions::tr("三重临界日");
    }
    Q_UNREACHABLE();
}

int cycleCountOf(const CriticalDay &day)
{
    return std::popcount(day.cycles);
}

// A critical day as one JSON object; with `daysAhead`, how many days after the day looked from it
// lies.
QByteArray dayJson(const CriticalDay &day, std::optional<qint64> daysAhead)
{
    QByteArray json = "{\"date\": \"" + isoText(day.date).toLatin1() + '"';
    if (daysAhead)
        json += ", \"days_ahead\": " + QByteArray::number(*daysAhead);
    json += ", \"cycles\": [";
    bool first = true;
    for (std::size_t c = 0; c < cycleCount; ++c) {
        if (day.cycles & (1u << c)) {
            json += QByteArray(first ? "\"" : ", \"") + cycleKeys[c] + '"';
            first = false;
        }
    }
    return json + "], \"count\": " + QByteArray::number(cycleCountOf(day)) + '}';
}

QStringList headings(TableFormat format)
{
    //: The headings of a list of critical days: date, weekday, the cycles critical (then, in CSV,
    //: how many of them)
    QStringList cells{CommandOptions::tr("日期"), CommandOptions::tr("星期"),
                      CommandOptions::tr("临界节律")};
    if (format == TableFormat::Csv)
        cells << CommandOptions::tr("临界节律数");
    return cells;
}

// A critical day's cells under those headings.
QStringList dayCells(const CriticalDay &day, TableFormat format)
{
    QStringList cells{isoText(day.date), weekdayName(day.date)};
    if (format == TableFormat::Csv)
        cells << criticalCycleNames(day.cycles) << QString::number(cycleCountOf(day));
    else
        cells << criticalCyclesText(day.cycles);
    return cells;
}

} // namespace

QString noCriticalDaysLine(const QDate &first, const QDate &last, CriticalKind kind)
{
    //: No critical day of the kind looked for (%3: 临界日, 双重临界日 or 三重临界日) from %1 to %2
    return CommandOptions::tr("%1 到 %2 没有%3")
        .arg(isoText(first), isoText(last), criticalDaysOfKind(kind));
}

QByteArray criticalDaysTable(const Person &person, const QDate &first, const QDate &last,
                             CriticalKind kind, TableFormat format)
{
    const QList<CriticalDay> days = criticalDaysBetween(person.birth, first, last, kind);
    if (format == TableFormat::Json) {
        QByteArray json = "[";
        for (qsizetype d = 0; d < days.size(); ++d)
            json += (d > 0 ? ",\n  " : "\n  ") + dayJson(days.at(d), std::nullopt);
        return json + "\n]\n";
    }
    // A spreadsheet gets its headings whatever it holds; a reader, why there is nothing.
    if (format == TableFormat::Text && days.isEmpty())
        return noCriticalDaysLine(first, last, kind).toUtf8() + '\n';
    QList<QStringList> rows{headings(format)};
    for (const CriticalDay &day : days)
        rows.append(dayCells(day, format));
    return format == TableFormat::Csv ? csvLines(rows) : alignedLines(rows, {false, false, false});
}

std::optional<QByteArray> nextCriticalTable(const Person &person, const QDate &from,
                                            CriticalKind kind, TableFormat format)
{
    const std::optional<CriticalDay> day = nextCriticalDay(person.birth, from, kind);
    if (!day)
        return std::nullopt;
    const qint64 ahead = from.daysTo(day->date);
    if (format == TableFormat::Json)
        return dayJson(*day, ahead) + '\n';
    if (format == TableFormat::Csv)
        //: The heading of how many days after the day looked from the next critical day lies
        return csvLines({headings(format) << CommandOptions::tr("相隔天数"),
                         dayCells(*day, format) << QString::number(ahead)});
    //: How far the next critical day lies after the day it was looked for from: that very day, or
    //: so many days after
    const QString distance = ahead == 0 ? CommandOptions::tr("当天")
                                        : CommandOptions::tr("%n 天后", nullptr, int(ahead));
    return alignedLines({dayCells(*day, format) << distance}, {false, false, false, false});
}

} // namespace cyclara
