// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/peopletogether.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cyclara {

namespace {

// The same four-digit angle the cycles themselves are drawn with.
constexpr double fullTurn = 6.2832;

} // namespace

std::optional<GroupRefusal> groupProblem(const QList<Person> &people, const QDate &first,
                                         const QDate &last)
{
    if (people.isEmpty())
        return GroupRefusal{GroupProblem::NoPeople, {}};
    if (people.size() > mostPeopleTogether)
        return GroupRefusal{GroupProblem::TooManyPeople, {}};
    if (!first.isValid() || !last.isValid() || last < first)
        return GroupRefusal{GroupProblem::RangeOrder, {}};
    if (first.daysTo(last) + 1 > longestGroupRange)
        return GroupRefusal{GroupProblem::RangeTooLong, {}};
    for (const Person &person : people) {
        if (person.birth > first)
            return GroupRefusal{GroupProblem::BornAfterFirstDay, person.name};
    }
    return std::nullopt;
}

QList<QList<DayRow>> daysOfEach(const QList<Person> &people, const QDate &first, const QDate &last,
                                const QDate &today)
{
    QList<QList<DayRow>> days;
    days.reserve(people.size());
    for (const Person &person : people)
        days.append(buildDayRange(person.birth, first, last, today));
    return days;
}

CycleMatch matchOf(const QDate &birth, const QDate &otherBirth)
{
    const double apart = double(std::abs(birth.daysTo(otherBirth)));
    CycleMatch match;
    int sum = 0;
    for (std::size_t c = 0; c < cycleCount; ++c) {
        // The phase difference of the two curves as they are drawn: not reduced to one period,
        // since with this angle whole periods apart are not quite in step, and people decades
        // apart would be given another percent than their curves show.
        const double phase = fullTurn * apart / cyclePeriod(everyCycle[c]);
        match.cycles[c] = int(std::nearbyint(50.0 * (1.0 + std::cos(phase))));
        sum += match.cycles[c];
    }
    match.overall = int(std::nearbyint(sum / 3.0));
    return match;
}

// The bands are symmetric about 50, where the curves go together as often as against each other.
QString matchMeaning(int percent)
{
    //: Two people's curves of a cycle at a match of 90% or more
    if (percent >= 90)
        return QCoreApplication::translate("PeopleTogether", "几乎同起同落");
    //: ... at a match of 60% to 89%
    if (percent >= 60)
        return QCoreApplication::translate("PeopleTogether", "多半同起同落");
    //: ... at a match of 41% to 59%
    if (percent > 40)
        return QCoreApplication::translate("PeopleTogether", "时而同向，时而相反");
    //: ... at a match of 11% to 40%: mostly one rises while the other falls
    if (percent > 10)
        return QCoreApplication::translate("PeopleTogether", "多半此起彼落");
    //: ... at a match of 10% or less
    return QCoreApplication::translate("PeopleTogether", "几乎此起彼落");
}

QList<GroupDay> bestDays(const QList<Person> &people, const QDate &first, const QDate &last,
                         int count)
{
    const QList<QList<DayRow>> each = daysOfEach(people, first, last);
    QList<GroupDay> days;
    if (each.isEmpty())
        return days;
    const qsizetype dayCount = each.constFirst().size();
    days.reserve(dayCount);
    for (qsizetype d = 0; d < dayCount; ++d) {
        GroupDay day{each.constFirst().at(d).date, 0, 100};
        for (const QList<DayRow> &person : each) {
            const DayRow &row = person.at(d);
            day.criticalPeople += row.critical != 0 ? 1 : 0;
            day.lowestMean = std::min(day.lowestMean, row.values[at(Series::Mean)]);
        }
        days.append(day);
    }
    const auto better = [](const GroupDay &a, const GroupDay &b) {
        if (a.criticalPeople != b.criticalPeople)
            return a.criticalPeople < b.criticalPeople;
        if (a.lowestMean != b.lowestMean)
            return a.lowestMean > b.lowestMean;
        return a.date < b.date;
    };
    const qsizetype kept = std::min<qsizetype>(std::max(0, count), days.size());
    std::partial_sort(days.begin(), days.begin() + kept, days.end(), better);
    days.resize(kept);
    return days;
}

QString bestDayReason(const GroupDay &day)
{
    // The mean of three whole percents is a whole number or a third: told to two decimals, as the
    // tables tell means, unless it is whole. Rounded to a whole number, days of different rank
    // would read alike (40.67, 41, 41.33).
    const bool whole = day.lowestMean == std::trunc(day.lowestMean);
    const QString lowest = QString::number(day.lowestMean, 'f', whole ? 0 : 2);
    if (day.criticalPeople == 0)
        //: Why a day suits the group: nobody is critical, then the lowest mean of anyone
        return QCoreApplication::translate("PeopleTogether", "无人临界；最低均值 %1").arg(lowest);
    // The count also picks the translation's plural form.
    //: Why a day ranks where it does: how many are critical, then the lowest mean of anyone
    return QCoreApplication::translate("PeopleTogether", "%1 人临界；最低均值 %2", nullptr,
                                       day.criticalPeople)
        .arg(day.criticalPeople)
        .arg(lowest);
}

} // namespace cyclara
