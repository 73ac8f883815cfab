// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/criticaldays.h"

#include <QTest>

#include <array>
#include <span>

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::CriticalKind)

namespace {

// The days after birth on which all three cycles are critical, up to 30 000 days, as the
// command line's independent reckoner (tests/cli/reckoning.py) works them out. The values count
// only the days since birth, so every birth has these.
constexpr std::array tripleDaysAfterBirth{0,     7210,  7854,  9982,  10626, 17836,
                                          18480, 20608, 21252, 28462, 29106};

QList<QDate> daysAfter(const QDate &birth, std::span<const int> offsets)
{
    QList<QDate> days;
    for (const int offset : offsets)
        days.append(birth.addDays(offset));
    return days;
}

} // namespace

// The critical days of one kind, and the next of them however far ahead, against days worked
// out independently.
class tst_CriticalKinds : public QObject {
    Q_OBJECT
private slots:
    void daysOfAKind_data();
    void daysOfAKind();
    void nextDayOfAKind_data();
    void nextDayOfAKind();
};

void tst_CriticalKinds::daysOfAKind_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<CriticalKind>("kind");
    QTest::addColumn<QList<QDate>>("days");
    // Over 30 000 days, several blocks of the search, born on 29 February, on another day, and
    // on the first day the program names.
    for (const QDate &birth : {QDate(2000, 2, 29), QDate(1990, 4, 12), QDate(100, 1, 1)})
        QTest::addRow("triple, born %s", qPrintable(birth.toString(Qt::ISODate)))
            << birth << birth << birth.addDays(30000) << CriticalKind::Triple
            << daysAfter(birth, tripleDaysAfterBirth);
    // The first and the last day of the range are its own, the day before and after are not.
    const QDate born(1990, 4, 12);
    QTest::newRow("triple, from the day after one to the day of the next")
        << born << born.addDays(7211) << born.addDays(9982) << CriticalKind::Triple
        << daysAfter(born, std::array{7854, 9982});
    // Double days include the triple ones.
    QTest::newRow("double, around a 29 February")
        << QDate(2000, 2, 29) << QDate(2023, 12, 1) << QDate(2024, 6, 30) << CriticalKind::Double
        << QList<QDate>{{2023, 12, 19}, {2024, 1, 22}, {2024, 3, 12}, {2024, 4, 23}};
    QTest::newRow("double, from birth") << born << born << born.addDays(115) << CriticalKind::Double
                                        << daysAfter(born, std::array{0, 115});
}

void tst_CriticalKinds::daysOfAKind()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(CriticalKind, kind);
    QFETCH(QList<QDate>, days);
    QList<QDate> found;
    for (const CriticalDay &day : criticalDaysBetween(birth, first, last, kind))
        found.append(day.date);
    QCOMPARE(found, days);
}

void tst_CriticalKinds::nextDayOfAKind_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<CriticalKind>("kind");
    QTest::addColumn<QDate>("next"); // null: none up to 9999-12-31
    const QDate leap(2000, 2, 29);
    QTest::newRow("any") << leap << leap.addDays(1) << CriticalKind::Any << leap.addDays(11);
    QTest::newRow("double") << leap << leap.addDays(1) << CriticalKind::Double << leap.addDays(115);
    // 7210 days, as long as any two triple days lie apart.
    QTest::newRow("triple, the farthest ahead")
        << leap << leap.addDays(1) << CriticalKind::Triple << leap.addDays(7210);
    QTest::newRow("triple, on the day looked from")
        << leap << leap.addDays(7854) << CriticalKind::Triple << leap.addDays(7854);
    // The last day the program names is judged by the day after it, which it does not name.
    QTest::newRow("triple, on the last day named")
        << QDate(9980, 4, 4) << QDate(9980, 4, 5) << CriticalKind::Triple << QDate(9999, 12, 31);
    QTest::newRow("triple, none before the end")
        << QDate(9990, 1, 1) << QDate(9990, 1, 2) << CriticalKind::Triple << QDate();
    QTest::newRow("double, none on the last day")
        << QDate(9991, 10, 14) << QDate(9999, 12, 31) << CriticalKind::Double << QDate();
}

void tst_CriticalKinds::nextDayOfAKind()
{
    QFETCH(QDate, birth);
    QFETCH(QDate, from);
    QFETCH(CriticalKind, kind);
    QFETCH(QDate, next);
    const std::optional<CriticalDay> found = nextCriticalDay(birth, from, kind);
    QCOMPARE(found ? found->date : QDate(), next);
    // The day found holds as many cycles critical as its kind asks for.
    if (found && kind == CriticalKind::Triple)
        QCOMPARE(found->cycles, CriticalCycles(0b111));
}

QTEST_GUILESS_MAIN(tst_CriticalKinds)
#include "tst_criticalkinds.moc"
