// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/tablewriter.h"

#include "cli/criticaltables.h"
#include "cli/grouptables.h"
#include "cli/tabletext.h"
#include "model/criticaldayscalendar.h"
#include "model/daytableexport.h"
#include "model/furthercycles.h"

#include <QCoreApplication>

namespace cyclara {

namespace {

// Each person's days in blocks, one person after another in the order given; stops when `block`
// returns false.
bool forEachPersonsBlock(const TableRequest &request, const QDate &today,
                         const std::function<bool(const Person &, const QList<DayRow> &)> &block)
{
    return std::ranges::all_of(request.people, [&](const Person &person) {
        return forEachDayBlock(person.birth, request.first, request.last, today,
                               [&](const QList<DayRow> &days) { return block(person, days); });
    });
}

// In a table of several people each row ends in a column for the person's name, after the
// columns a single person's table has, which so keep their places. `rowEnd` is where the form
// ends a row, `cell` the name's cell with what leads it; one person's rows stay as they are.
QByteArray withName(QByteArray rows, QByteArrayView rowEnd, const TableRequest &request,
                    const QByteArray &cell)
{
    return request.people.size() > 1 ? rows.replace(rowEnd, cell + rowEnd.toByteArray()) : rows;
}

QString nameHeading()
{
    //: The heading of the column of names, in a table of several people's days
    return CommandOptions::tr("姓名");
}

// One calendar for everyone, named after them all, with each person's events as that person's
// own calendar has them (the same UIDs, so importing either updates the other's events); only the
// critical days of the kind asked for.
bool writeCalendar(const TableRequest &request, const QDateTime &stamp, const ByteSink &sink)
{
    QStringList names;
    for (const Person &person : request.people)
        names << person.name;
    const CriticalDaysCalendar whole(names.join(QCoreApplication::translate("Series", "、")),
                                     request.people.constFirst().birth, stamp, request.critical);
    return sink(whole.head()) &&
           forEachPersonsBlock(request, {},
                               [&](const Person &person, const QList<DayRow> &days) {
                                   const CriticalDaysCalendar calendar(person.name, person.birth,
                                                                       stamp);
                                   QByteArray events;
                                   for (const DayRow &day : days) {
                                       if (criticalOfKind(day.critical, request.critical))
                                           events += calendar.event({day.date, day.critical});
                                   }
                                   return sink(events);
                               }) &&
           sink(whole.tail());
}

// A text table's columns are as wide as their widest cell, so its days are gone through twice:
// measured, then written. The names of several people start in one column after them.
bool writeText(const TableRequest &request, const QDate &today, const ByteSink &sink)
{
    const bool named = request.people.size() > 1;
    DayTableTextColumns columns(furtherColumns(request.further, {}, {}, false));
    forEachPersonsBlock(request, today, [&](const Person &person, const QList<DayRow> &days) {
        columns.measure(days, furtherColumns(request.further, person.birth, days, false));
        return true;
    });
    return sink(columns.head(named ? nameHeading() : QString())) &&
           forEachPersonsBlock(
               request, today, [&](const Person &person, const QList<DayRow> &days) {
                   return sink(columns.rows(
                       days, furtherColumns(request.further, person.birth, days, false),
                       named ? person.name : QString()));
               });
}

// The table of days, or a calendar of their critical days.
bool writeDays(const TableRequest &request, const QDate &today, const QDateTime &stamp,
               const ByteSink &sink)
{
    switch (request.format) {
    case TableFormat::Calendar:
        return writeCalendar(request, stamp, sink);
    case TableFormat::Text:
        return writeText(request, today, sink);
    case TableFormat::Csv:
        return sink(withName(dayTableCsvHead(furtherColumns(request.further, {}, {}, false)),
                             "\r\n", request, ',' + csvField(nameHeading()).toUtf8())) &&
               forEachPersonsBlock(
                   request, today, [&](const Person &person, const QList<DayRow> &days) {
                       return sink(withName(
                           dayTableCsvRows(
                               days, furtherColumns(request.further, person.birth, days, false)),
                           "\r\n", request, ',' + csvField(person.name).toUtf8()));
                   });
    case TableFormat::Json: {
        // Numbers for programs need no day labels.
        DayTableJson json;
        return sink(json.head()) &&
               forEachPersonsBlock(
                   request, {},
                   [&](const Person &person, const QList<DayRow> &days) {
                       return sink(
                           withName(json.rows(days, furtherColumns(request.further, person.birth,
                                                                   days, true)),
                                    "}", request, ", \"name\": " + jsonText(person.name)));
                   }) &&
               sink(json.tail());
    }
    }
    Q_UNREACHABLE();
}

} // namespace

TableWritten writeTable(const TableRequest &request, const QDate &today, const QDateTime &stamp,
                        const ByteSink &sink)
{
    const Person &person = request.people.constFirst();
    bool taken = false;
    switch (request.kind) {
    case TableKind::Match:
        taken = sink(matchTable(person, request.people.at(1), request.format));
        break;
    case TableKind::BestDays:
        taken = sink(bestDaysTable(request.people, request.first, request.last, request.format));
        break;
    case TableKind::CriticalDays:
        // A calendar of critical days is the days' calendar, of fewer days.
        taken = request.format == TableFormat::Calendar
                    ? writeDays(request, today, stamp, sink)
                    : sink(criticalDaysTable(person, request.first, request.last, request.critical,
                                             request.format));
        break;
    case TableKind::NextCritical: {
        const std::optional<QByteArray> next =
            nextCriticalTable(person, request.first, request.critical, request.format);
        if (!next)
            return TableWritten::NoneFound;
        taken = sink(*next);
        break;
    }
    case TableKind::Days:
        taken = writeDays(request, today, stamp, sink);
        break;
    }
    return taken ? TableWritten::Whole : TableWritten::Refused;
}

} // namespace cyclara
