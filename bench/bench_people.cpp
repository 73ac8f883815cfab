// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// 多人比较 at its largest: eight people over a year.
#include "benchwindow.h"
#include "chart/peoplechart.h"
#include "model/dayquery.h"
#include "model/peopletogether.h"
#include "register/peoplemodel.h"
#include "ui/peoplewindow.h"

#include <QDateEdit>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

using namespace cyclara;

QList<Person> eightPeople()
{
    QList<Person> people;
    for (int i = 0; i < mostPeopleTogether; ++i)
        people << Person{QStringLiteral("人%1").arg(i + 1), QDate(1950 + 7 * i, 1 + i, 3 + 2 * i)};
    return people;
}

// The window opened on eight people and a year, until its chart has been drawn.
void BM_PeopleWindowYear(benchmark::State &state)
{
    PeopleModel people;
    for (const Person &person : eightPeople())
        people.set(person.name, person.birth);
    const QDate today = bench::fixedToday;
    DayQuery query([today] { return today; });
    query.submit({QStringLiteral("人1"), QDate(1950, 1, 3), today, 3});
    const WindowServices services;
    for (auto _ : state) {
        PeopleWindow window(people, query, services, nullptr);
        const QList<QDateEdit *> range = window.findChildren<QDateEdit *>();
        range.at(0)->setDate(today);
        range.at(1)->setDate(today.addDays(longestGroupRange - 1));
        for (const Person &person : eightPeople())
            window.setTicked(person.name, true);
        window.resize(900, 560);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_PeopleWindowYear)->Unit(benchmark::kMillisecond);

void BM_BestDaysEightYear(benchmark::State &state)
{
    const QList<Person> people = eightPeople();
    const QDate first = bench::fixedToday;
    for (auto _ : state)
        benchmark::DoNotOptimize(bestDays(people, first, first.addDays(longestGroupRange - 1)));
}
BENCHMARK(BM_BestDaysEightYear)->Unit(benchmark::kMillisecond);

} // namespace
