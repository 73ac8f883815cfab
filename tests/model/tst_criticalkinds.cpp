// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/criticaldays.h"

#include <QTest>

using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::CriticalKind)

// The next critical day of a kind, however far ahead, as the window's 关键日 and the command line
// look for it, against days worked out by the command line's independent reckoner
// (tests/cli/reckoning.py), which check_critical.py sets against whole lists.
class tst_CriticalKinds : public QObject {
    Q_OBJECT
private slots:
    void nextDayOfAKind_data();
    void nextDayOfAKind();
};

void tst_CriticalKinds::nextDayOfAKind_data()
{
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<CriticalKind>("kind");
    QTest::addColumn<QDate>("next"); // null: none up to 9999-12-31
    // check_critical.py sets the next double and triple days from many days against its own,
    // up to the farthest ahead and the last day named; here what it leaves out.
    const QDate leap(2000, 2, 29);
    QTest::newRow("any") << leap << leap.addDays(1) << CriticalKind::Any << leap.addDays(11);
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
}

QTEST_GUILESS_MAIN(tst_CriticalKinds)
#include "tst_criticalkinds.moc"
