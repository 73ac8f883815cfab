// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/tablewriter.h"

#include "model/criticaldayscalendar.h"
#include "model/daytableexport.h"

namespace cyclara {

namespace {

bool writeCalendar(const TableRequest &request, const QDateTime &stamp, const ByteSink &sink)
{
    const CriticalDaysCalendar calendar(request.name, request.birth, stamp);
    return sink(calendar.head()) &&
           forEachDayBlock(request.birth, request.first, request.last, {},
                           [&](const QList<DayRow> &days) {
                               QByteArray events;
                               for (const DayRow &day : days) {
                                   if (day.critical != 0)
                                       events += calendar.event({day.date, day.critical});
                               }
                               return sink(events);
                           }) &&
           sink(calendar.tail());
}

// A text table's columns are as wide as their widest cell, so its days are gone through twice:
// measured, then written.
bool writeText(const TableRequest &request, const QDate &today, const ByteSink &sink)
{
    DayTableTextColumns columns;
    forEachDayBlock(request.birth, request.first, request.last, today,
                    [&](const QList<DayRow> &days) {
                        columns.measure(days);
                        return true;
                    });
    return sink(columns.head()) &&
           forEachDayBlock(request.birth, request.first, request.last, today,
                           [&](const QList<DayRow> &days) { return sink(columns.rows(days)); });
}

} // namespace

bool writeTable(const TableRequest &request, const QDate &today, const QDateTime &stamp,
                const ByteSink &sink)
{
    switch (request.format) {
    case TableFormat::Calendar:
        return writeCalendar(request, stamp, sink);
    case TableFormat::Text:
        return writeText(request, today, sink);
    case TableFormat::Csv:
        return sink(dayTableCsvHead()) &&
               forEachDayBlock(
                   request.birth, request.first, request.last, today,
                   [&](const QList<DayRow> &days) { return sink(dayTableCsvRows(days)); });
    case TableFormat::Json: {
        // Numbers for programs need no day labels.
        DayTableJson json;
        return sink(json.head()) &&
               forEachDayBlock(request.birth, request.first, request.last, {},
                               [&](const QList<DayRow> &days) { return sink(json.rows(days)); }) &&
               sink(json.tail());
    }
    }
    Q_UNREACHABLE();
}

} // namespace cyclara
