// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/peopletogether.h"

#include <QTest>

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;
using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::GroupProblem)

namespace {

QList<Person> people(int count)
{
    QList<Person> list;
    for (int i = 0; i < count; ++i)
        list.append({u"p%1"_s.arg(i), QDate(1990, 1, 1).addDays(i)});
    return list;
}

} // namespace

// Several people together, where the command line's checks do not reach: the edges of the groups
// and ranges looked at, a match decades apart, the order of days alike, and the reasons' numbers
// (check_group.py checks matches and rankings over whole registers). Expected values were worked
// out apart from the program, in Python: round(50 * (1 + math.cos(6.2832 * d / P))) for a match,
// the day values and critical days as tests/cli/reckoning.py has them for a ranking.
class tst_PeopleTogether : public QObject {
    Q_OBJECT
private slots:
    void groupProblems_data();
    void groupProblems();
    void matches_data();
    void matches();
    void ranking_data();
    void ranking();
    void reasons_data();
    void reasons();
};

void tst_PeopleTogether::groupProblems_data()
{
    QTest::addColumn<QList<Person>>("group");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<int>("problem"); // -1: none
    QTest::addColumn<QString>("who");
    const QDate day(2026, 1, 1);
    const auto row = [&](const char *name, const QList<Person> &group, const QDate &first,
                         const QDate &last, std::optional<GroupProblem> problem,
                         const QString &who = {}) {
        QTest::newRow(name) << group << first << last << (problem ? int(*problem) : -1) << who;
    };
    row("eight", people(8), day, day, {});
    row("nine", people(9), day, day, GroupProblem::TooManyPeople);
    row("a leap year's 366 days", people(2), QDate(2028, 1, 1), QDate(2028, 12, 31), {});
    row("367 days", people(2), day, day.addDays(366), GroupProblem::RangeTooLong);
    QList<Person> late = people(3);
    late[1].birth = day.addDays(1);
    row("one born the day after", late, day, day.addDays(3), GroupProblem::BornAfterFirstDay,
        u"p1"_s);
    late[1].birth = day;
    row("one born on the first day", late, day, day.addDays(3), {});
}

void tst_PeopleTogether::groupProblems()
{
    QFETCH(QList<Person>, group);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(int, problem);
    QFETCH(QString, who);
    const std::optional<GroupRefusal> refusal = groupProblem(group, first, last);
    QCOMPARE(refusal ? int(refusal->problem) : -1, problem);
    if (refusal)
        QCOMPARE(refusal->who, who);
}

void tst_PeopleTogether::matches_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("other");
    QTest::addColumn<QList<int>>("cycles"); // intellectual, emotional, physical
    QTest::addColumn<int>("overall");
    const QDate birth(1980, 5, 7);
    QTest::newRow("born the same day") << birth << birth << QList<int>{100, 100, 100} << 100;
    // Decades apart the curves drawn with 6.2832 are no longer quite in step after whole
    // periods: reduced to one period first, these would be 96, 100, 84 and 34, 5, 47.
    QTest::newRow("23296 days apart")
        << QDate(1951, 4, 7) << QDate(2015, 1, 17) << QList<int>{97, 100, 85} << 94;
    QTest::newRow("the later one first")
        << QDate(1986, 7, 23) << QDate(1968, 4, 12) << QList<int>{34, 5, 46} << 28;
}

void tst_PeopleTogether::matches()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, other);
    QFETCH(QList<int>, cycles);
    QFETCH(int, overall);
    const CycleMatch match = matchOf(birth, other);
    QCOMPARE(QList<int>(match.cycles.begin(), match.cycles.end()), cycles);
    QCOMPARE(match.overall, overall);
}

void tst_PeopleTogether::ranking_data()
{
    QTest::addColumn<QList<QDate>>("births");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<QDate>>("ranked");
    QTest::addColumn<QList<int>>("critical");
    QTest::addColumn<QList<int>>("thirds"); // the lowest means, times three
    const auto days = [](int month, std::initializer_list<int> dayNumbers) {
        QList<QDate> dates;
        for (const int day : dayNumbers)
            dates << QDate(2026, month, day);
        return dates;
    };
    // 1-28 has the highest mean of these days, but a cycle is critical; 1-24 and 2-2 rank alike.
    QTest::newRow("one person, ten days")
        << QList<QDate>{QDate(1990, 4, 12)} << QDate(2026, 1, 24) << QDate(2026, 2, 2) << 10
        << days(1, {27, 26, 30, 31, 25}) + days(2, {1}) + days(1, {24}) + days(2, {2}) +
               days(1, {28, 29})
        << QList<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1}
        << QList<int>{87, 82, 81, 74, 72, 67, 59, 59, 88, 87};
    QTest::newRow("more asked for than there are days")
        << QList<QDate>{QDate(1990, 4, 12)} << QDate(2026, 1, 27) << QDate(2026, 1, 28) << 10
        << days(1, {27, 28}) << QList<int>{0, 1} << QList<int>{87, 88};
}

void tst_PeopleTogether::ranking()
{
    QFETCH(QList<QDate>, births);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(int, count);
    QList<Person> group;
    for (const QDate &birth : births)
        group.append({u"p%1"_s.arg(group.size()), birth});
    QList<QDate> ranked;
    QList<int> critical;
    QList<int> thirds;
    for (const GroupDay &day : bestDays(group, first, last, count)) {
        ranked << day.date;
        critical << day.criticalPeople;
        thirds << int(std::lround(day.lowestMean * 3));
    }
    QTEST(ranked, "ranked");
    QTEST(critical, "critical");
    QTEST(thirds, "thirds");
}

void tst_PeopleTogether::reasons_data()
{
    QTest::addColumn<int>("critical");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<QString>("reason");
    QTest::newRow("nobody, a whole mean") << 0 << 41.0 << u"无人临界；最低均值 41"_s;
    // A third more or less would read alike rounded to a whole number.
    QTest::newRow("nobody, a third") << 0 << 122 / 3.0 << u"无人临界；最低均值 40.67"_s;
    QTest::newRow("two, a whole mean") << 2 << -7.0 << u"2 人临界；最低均值 -7"_s;
    QTest::newRow("one, a negative third") << 1 << -22 / 3.0 << u"1 人临界；最低均值 -7.33"_s;
}

void tst_PeopleTogether::reasons()
{
    QFETCH(int, critical);
    QFETCH(double, lowest);
    QTEST(bestDayReason({QDate(2026, 1, 1), critical, lowest}), "reason");
}

QTEST_GUILESS_MAIN(tst_PeopleTogether)
#include "tst_peopletogether.moc"
