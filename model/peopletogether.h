// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/biorhythm.h"
#include "model/daytable.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace cyclara {

// Several people seen together: their days side by side, how well two of them match, and the
// days that suit a group best.

struct Person {
    QString name;
    QDate birth;

    friend bool operator==(const Person &, const Person &) = default;
};

// The most people looked at together, and the longest range of days.
inline constexpr int mostPeopleTogether = 8;
inline constexpr int longestGroupRange = 366;

// Why a group's range of days cannot be looked at, or nothing: fewer than one person or more than
// mostPeopleTogether, a range that ends before it starts or is longer than longestGroupRange, or
// a person born after its first day (named in `who`).
enum class GroupProblem { NoPeople, TooManyPeople, RangeOrder, RangeTooLong, BornAfterFirstDay };
struct GroupRefusal {
    GroupProblem problem;
    QString who;
};
std::optional<GroupRefusal> groupProblem(const QList<Person> &people, const QDate &first,
                                         const QDate &last);

// Each person's days from `first` to `last`, in the order of `people`, labelled relative to
// `today` (no labels when it is null).
QList<QList<DayRow>> daysOfEach(const QList<Person> &people, const QDate &first, const QDate &last,
                                const QDate &today = {});

// How well two people's cycles rise and fall together, by cycle (in cycle order) and overall, in
// whole percent: a cycle of P days whose two curves are Δ days apart matches
// 50 × (1 + cos(6.2832 × Δ / P)), 100 in step, 0 opposite; overall is the mean of the three. Each
// rounded to nearest, exact halves to even.
struct CycleMatch {
    std::array<int, cycleCount> cycles{};
    int overall = 0;

    friend bool operator==(const CycleMatch &, const CycleMatch &) = default;
};
CycleMatch matchOf(const QDate &birth, const QDate &otherBirth);

// What a match means for the two curves of a cycle, in a few words ("多半同起同落").
QString matchMeaning(int percent);

// A day of a group: how many of its people have a critical day, and the lowest of their means.
struct GroupDay {
    QDate date;
    int criticalPeople = 0;
    double lowestMean = 0;

    friend bool operator==(const GroupDay &, const GroupDay &) = default;
};

// The days from `first` to `last` best for the group, at most `count`: fewest people critical
// first, then the highest lowest mean, then the earlier day.
QList<GroupDay> bestDays(const QList<Person> &people, const QDate &first, const QDate &last,
                         int count = 10);

// Why a day ranks where it does, in words: "无人临界；最低均值 41", "2 人临界；最低均值 -7.33"
// (the mean to two decimals unless it is whole, so that days which read alike rank alike).
QString bestDayReason(const GroupDay &day);

} // namespace cyclara
