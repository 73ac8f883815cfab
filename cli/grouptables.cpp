// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/grouptables.h"

#include "cli/tabletext.h"
#include "model/daystatus.h"
#include "model/daytable.h"

#include <algorithm>

namespace cyclara {

namespace {

QByteArray matchJson(const Person &person, const Person &other, const CycleMatch &match)
{
    QByteArray json = "{\"people\": [";
    for (const Person *p : {&person, &other})
        json += QByteArray(p == &other ? ", " : "") + "{\"name\": " + jsonText(p->name) +
                ", \"birth\": \"" + isoText(p->birth).toLatin1() + "\"}";
    json += "], \"days_apart\": " + QByteArray::number(std::abs(person.birth.daysTo(other.birth)));
    for (std::size_t c = 0; c < cycleCount; ++c)
        json += QByteArray(", \"") + cycleKeys[c] + "\": " + QByteArray::number(match.cycles[c]);
    return json + ", \"overall\": " + QByteArray::number(match.overall) + "}\n";
}

} // namespace

QByteArray matchTable(const Person &person, const Person &other, TableFormat format)
{
    const CycleMatch match = matchOf(person.birth, other.birth);
    if (format == TableFormat::Json)
        return matchJson(person, other, match);
    // A percent sign where people read it, a plain number for a spreadsheet.
    const auto percent = [format](int value) {
        return QString::number(value) +
               (format == TableFormat::Text ? QStringLiteral("%") : QString());
    };
    //: The headings of the match table: the cycle, its match, what that means
    QList<QStringList> rows{
        {CommandOptions::tr("节律"), CommandOptions::tr("合拍度"), CommandOptions::tr("含义")}};
    for (std::size_t c = 0; c < cycleCount; ++c)
        rows.append(
            {seriesName(everyCycle[c]), percent(match.cycles[c]), matchMeaning(match.cycles[c])});
    //: The match of all three cycles together
    rows.append({CommandOptions::tr("总体"), percent(match.overall), matchMeaning(match.overall)});
    if (format == TableFormat::Csv)
        return csvLines(rows);
    const qint64 apart = std::abs(person.birth.daysTo(other.birth));
    //: The match table's first line: each person with the birth date, then the days between them
    const QString who =
        CommandOptions::tr("%1（%2）与%3（%4）：生日相隔 %5 天", nullptr, int(apart))
            .arg(person.name, isoText(person.birth), other.name, isoText(other.birth))
            .arg(apart);
    return who.toUtf8() + '\n' + alignedLines(rows, {false, true, false});
}

namespace {

bool rankAlike(const GroupDay &a, const GroupDay &b)
{
    return a.criticalPeople == b.criticalPeople && a.lowestMean == b.lowestMean;
}

QByteArray bestDaysJson(const QList<GroupDay> &days, const QList<int> &ranks)
{
    QByteArray json = "[";
    for (qsizetype d = 0; d < days.size(); ++d) {
        const GroupDay &day = days.at(d);
        json += (d > 0 ? ",\n  " : "\n  ") + QByteArray("{\"rank\": ") +
                QByteArray::number(ranks.at(d)) + ", \"date\": \"" + isoText(day.date).toLatin1() +
                "\", \"critical_people\": " + QByteArray::number(day.criticalPeople) +
                ", \"lowest_mean\": " + valueText(day.lowestMean).toLatin1() +
                ", \"reason\": " + jsonText(bestDayReason(day)) + "}";
    }
    return json + "\n]\n";
}

} // namespace

QByteArray bestDaysTable(const QList<Person> &people, const QDate &first, const QDate &last,
                         TableFormat format)
{
    // Every day ranked, so that the text can tell of days left out that rank as the last listed.
    const QList<GroupDay> ranked = bestDays(people, first, last, int(first.daysTo(last)) + 1);
    const QList<GroupDay> listed = ranked.first(std::min<qsizetype>(bestDaysListed, ranked.size()));
    // Days that rank alike share the rank of the first of them, and the next rank counts them all.
    QList<int> ranks;
    for (qsizetype d = 0; d < listed.size(); ++d)
        ranks.append(d > 0 && rankAlike(listed.at(d), listed.at(d - 1)) ? ranks.constLast()
                                                                        : int(d) + 1);
    if (format == TableFormat::Json)
        return bestDaysJson(listed, ranks);

    const bool csv = format == TableFormat::Csv;
    QList<QStringList> rows;
    //: The headings of the best days: rank, date, weekday (then, in CSV, how many are critical and
    //: the lowest mean), and why the day ranks there
    rows.append(
        {CommandOptions::tr("名次"), CommandOptions::tr("日期"), CommandOptions::tr("星期")});
    if (csv)
        rows.last() << CommandOptions::tr("临界人数") << CommandOptions::tr("最低均值");
    rows.last() << CommandOptions::tr("理由");
    for (qsizetype d = 0; d < listed.size(); ++d) {
        const GroupDay &day = listed.at(d);
        rows.append({QString::number(ranks.at(d)), isoText(day.date), weekdayName(day.date)});
        if (csv)
            rows.last() << QString::number(day.criticalPeople)
                        << seriesCellText(Series::Mean, day.lowestMean);
        rows.last() << bestDayReason(day);
    }
    if (csv)
        return csvLines(rows);

    QByteArray text;
    if (listed.constFirst().criticalPeople > 0)
        //: --best-days found no day without someone critical; %1 and %2 the first and last day
        text += CommandOptions::tr("%1 到 %2 每天都有人临界；下面是临界的人最少的日子")
                    .arg(isoText(first), isoText(last))
                    .toUtf8() +
                '\n';
    text += alignedLines(rows, {true, false, false, false});
    if (std::ranges::adjacent_find(listed, rankAlike) != listed.end())
        text += CommandOptions::tr("名次相同的日子，临界人数和最低均值都相同，按日期先后列出")
                    .toUtf8() +
                '\n';
    const auto alikeLeftOut =
        int(std::count_if(ranked.begin() + listed.size(), ranked.end(),
                          [&](const GroupDay &day) { return rankAlike(day, listed.constLast()); }));
    if (alikeLeftOut > 0)
        //: Days not listed that rank as the last one listed: %1 how many, %2 that rank
        text += CommandOptions::tr("另有 %1 天与第 %2 名相同，未列出", nullptr, alikeLeftOut)
                    .arg(alikeLeftOut)
                    .arg(ranks.constLast())
                    .toUtf8() +
                '\n';
    return text;
}

} // namespace cyclara
