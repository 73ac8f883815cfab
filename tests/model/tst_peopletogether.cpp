// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/peopletogether.h"

#include <QTest>

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
// and ranges looked at, and the reasons' numbers (check_group.py checks matches and rankings over
// whole registers, decades apart, with days alike and more days asked for than there are).
class tst_PeopleTogether : public QObject {
    Q_OBJECT
private slots:
    void groupProblems_data();
    void groupProblems();
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
    // (Eight people over a leap year's 366 days are checked by check_group.py, nine people and
    // 367 days refused by tst_commandline.)
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
