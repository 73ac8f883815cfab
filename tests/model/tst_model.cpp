// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/biorhythm.h"
#include "model/criticaldays.h"
#include "model/criticaldayscalendar.h"
#include "model/datetext.h"
#include "model/dayquery.h"
#include "model/daytablemodel.h"
#include "model/peopletogether.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;

using namespace cyclara;

class tst_Model : public QObject {
    Q_OBJECT
private slots:
    void noMinusZero();
    void pointValBands_data();
    void pointValBands();
    void queryShownWhole_data();
    void queryShownWhole();
    void currentDayWalks();
    void furtherCycles();
    void calendarNamesStayOneLine();
    void nextCriticalDayOfAKind();
    void groupRefusesWhoIsBornLate();
    void dateTexts_data();
    void dateTexts();
    void valueTextsAreTheShortestThatReadBack();
};

// check_cycles.py sets the values of runs of days against its own reckoning. On day 14 the
// emotional product is -0.0007, which must not become a -0 that prints "-0".
void tst_Model::noMinusZero()
{
    const double emotional = cycleValue(28, 14);
    QCOMPARE(emotional, 0.0);
    QVERIFY(!std::signbit(emotional));
}

void tst_Model::pointValBands_data()
{
    // check_cycles.py sets the statuses of runs of days against its own, both sides of each edge
    // among them; here also the band, which picks the panel's face (odd sums lose their half).
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("band");
    QTest::newRow("-81") << -81 << u"低谷(-81%,9分)"_s << 2;
    QTest::newRow("-80") << -80 << u"低潮(-80%,10分)"_s << 2;
    QTest::newRow("-25") << -25 << u"临界(-25%,37分)"_s << 1;
    QTest::newRow("25") << 25 << u"高潮(25%,62分)"_s << 0;
    QTest::newRow("80") << 80 << u"高峰(80%,90分)"_s << 0;
}

void tst_Model::pointValBands()
{
    QFETCH(int, value);
    qint16 band = -1;
    QTEST(PointVal(qint16(value), band), "status");
    QTEST(int(band), "band");
}

using MaybeDate = std::optional<QDate>;

void tst_Model::queryShownWhole_data()
{
    QTest::addColumn<MaybeDate>("birth");
    QTest::addColumn<MaybeDate>("query");
    QTest::addColumn<int>("span");
    QTest::addColumn<int>("problem"); // a QueryProblem, or -1 for none
    const int none = -1;
    const auto birthDate = int(QueryProblem::BirthDate);
    const auto queryDate = int(QueryProblem::QueryDate);
    const MaybeDate nothing;
    QTest::newRow("born on the query date")
        << MaybeDate({2006, 4, 11}) << MaybeDate({2006, 4, 11}) << 16 << none;
    QTest::newRow("birth first, though the query is wrong too")
        << nothing << nothing << 3 << birthDate;
    // The first and the last query date whose days all lie in 100-01-01 to 9999-12-31, and one
    // day beyond each.
    QTest::newRow("first day 100-01-01")
        << MaybeDate({100, 1, 1}) << MaybeDate({100, 1, 4}) << 3 << none;
    QTest::newRow("first day before the year 100")
        << MaybeDate({100, 1, 1}) << MaybeDate({100, 1, 3}) << 3 << queryDate;
    QTest::newRow("last day 9999-12-31")
        << MaybeDate({1985, 1, 2}) << MaybeDate({9999, 12, 28}) << 3 << none;
    QTest::newRow("last day after 9999")
        << MaybeDate({1985, 1, 2}) << MaybeDate({9999, 12, 29}) << 3 << queryDate;
}

// A query is shown whole or not at all: a refused one changes nothing and says why; an accepted
// one is wholly in place (who, dates, table, current day) when its one signal comes. The table
// passes Qt's own checks of a model throughout.
void tst_Model::queryShownWhole()
{
    QFETCH(MaybeDate, birth);
    QFETCH(MaybeDate, query);
    QFETCH(int, span);
    QFETCH(int, problem);
    DayQuery shown([] { return QDate(2006, 4, 11); });
    QAbstractItemModelTester tester(shown.tableModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!shown.submit({u"张三"_s, QDate(1990, 4, 12), QDate(2006, 4, 11), 3}));
    QString seen;
    connect(&shown, &DayQuery::queryChanged, this, [&] {
        seen = u"%1 %2 %3 %4 %5"_s.arg(shown.name(), shown.birth().toString(Qt::ISODate))
                   .arg(shown.days().dayCount())
                   .arg(shown.days().day(0).date.toString(Qt::ISODate))
                   .arg(shown.currentRow().date.toString(Qt::ISODate));
    });
    QSignalSpy changed(&shown, &DayQuery::queryChanged);

    const auto refusal = shown.submit({u"李四"_s, birth, query, span});
    QCOMPARE(refusal ? int(*refusal) : -1, problem);
    if (refusal) {
        QCOMPARE(changed.size(), 0);
        QCOMPARE(shown.name(), u"张三"_s);
        QCOMPARE(shown.days().dayCount(), 7);
        return;
    }
    QCOMPARE(changed.size(), 1);
    QCOMPARE(seen, u"李四 %1 %2 %3 %4"_s.arg(birth->toString(Qt::ISODate))
                       .arg(2 * span + 1)
                       .arg(query->addDays(-span).toString(Qt::ISODate))
                       .arg(query->toString(Qt::ISODate)));
}

// The current day moves only to days the table has; each day shown is told, the same day again
// too, and there is none before the first query.
void tst_Model::currentDayWalks()
{
    DayQuery shown([] { return QDate(2006, 4, 11); });
    QCOMPARE(shown.currentDay(), -1);
    shown.moveCurrentDay(1);
    QCOMPARE(shown.currentDay(), -1);
    QVERIFY(!shown.submit({{}, QDate(2006, 1, 1), QDate(2006, 4, 11), 3}));
    QSignalSpy told(&shown, &DayQuery::currentDayChanged);
    shown.moveCurrentDay(-2);
    shown.showDay(7);
    shown.showDay(-1);
    shown.moveCurrentDay(-5);
    shown.moveCurrentDay(100);
    shown.showQueryDay();
    shown.showQueryDay();
    QCOMPARE(told, (QList<QList<QVariant>>{{1}, {0}, {6}, {3}, {3}}));
}

// The further cycles, when turned on, are columns of the table and of its CSV after the five
// series, with the three cycles' status words; turned off, the table is as it always was. Born
// 1990-04-12, on 2026-06-18: 直觉 -97, 审美 81, 感知 86, 精神 77, worked out apart.
void tst_Model::furtherCycles()
{
    const QDate day(2026, 6, 18);
    DayQuery shown([day] { return day; });
    QVERIFY(!shown.submit({{}, QDate(1990, 4, 12), day, 3}));
    const QByteArray plain = shown.days().csv();
    QAbstractItemModelTester tester(shown.tableModel(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    shown.setFurtherCycles({everyFurtherCycle.begin(), everyFurtherCycle.end()});
    const DayTableModel &days = shown.days();
    QCOMPARE(days.columnCount(), DayTableModel::ColumnCount + 4);
    QCOMPARE(days.headerData(DayTableModel::ColumnCount + 3, Qt::Horizontal).toString(), u"精神"_s);
    QStringList cells;
    for (int column = DayTableModel::ColumnCount; column < days.columnCount(); ++column)
        cells << days.index(days.middleRow(), column).data().toString();
    QCOMPARE(cells, (QStringList{u"低谷(-97%,1分)"_s, u"高峰(81%,90分)"_s, u"高峰(86%,93分)"_s,
                                 u"高潮(77%,88分)"_s}));
    const QList<QByteArray> lines = days.csv().split('\n');
    QVERIFY2(lines[4].endsWith(",-97,81,86,77\r"), lines[4].constData());
    shown.setFurtherCycles({});
    QCOMPARE(days.csv(), plain);
}

// A name an editor gave line breaks and control characters adds no line to a calendar: breaks are
// escaped, the other control characters written as their pictures.
void tst_Model::calendarNamesStayOneLine()
{
    const QDateTime stamp(QDate(2026, 1, 1), QTime(8, 0), QTimeZone::utc());
    const QByteArray head =
        CriticalDaysCalendar(u"甲\r\n乙\r丙\n丁\a戊\x7f"_s, QDate(1990, 1, 1), stamp).head();
    QVERIFY2(head.contains(u"\r\nX-WR-CALNAME:甲\\n乙\\n丙\\n丁␇戊␡的临界日\r\n"_s.toUtf8()), head);
    for (QByteArray line : head.split('\n')) {
        line.chop(1); // its CR
        QVERIFY2(std::none_of(line.cbegin(), line.cend(),
                              [](char c) { return uchar(c) < 0x20 || c == 0x7f; }),
                 line);
    }
}

// check_critical.py sets the next double and triple days against its own reckoning; here what it
// leaves out, worked out by tests/cli/reckoning.py.
void tst_Model::nextCriticalDayOfAKind()
{
    const auto next = [](const QDate &birth, const QDate &from, CriticalKind kind) {
        const std::optional<CriticalDay> found = nextCriticalDay(birth, from, kind);
        return found ? found->date : QDate();
    };
    const QDate leap(2000, 2, 29);
    QCOMPARE(next(leap, leap.addDays(1), CriticalKind::Any), leap.addDays(11));
    QCOMPARE(next(QDate(9991, 10, 14), QDate(9999, 12, 31), CriticalKind::Double), QDate());
}

// Born on the first day is no refusal; of those born after it the first is named (the refusal's
// words tst_commandline reads, and eight people over 366 days check_group.py takes).
void tst_Model::groupRefusesWhoIsBornLate()
{
    const QDate day(2026, 1, 1);
    QList<Person> group{{u"p0"_s, QDate(1990, 1, 1)}, {u"p1"_s, day.addDays(1)}, {u"p2"_s, day}};
    const std::optional<GroupRefusal> refusal = groupProblem(group, day, day.addDays(3));
    QCOMPARE(refusal ? refusal->who : QString(), u"p1"_s);
    group[1].birth = day;
    QVERIFY(!groupProblem(group, day, day.addDays(3)));
}

void tst_Model::dateTexts_data()
{
    // Year, month and day as typed into the pickers, split by "|"; joined by hyphens they are
    // the register's date text. An invalid date means refused.
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QDate>("fromRegister");
    QTest::addColumn<QDate>("fromPickers");

    const QDate no;
    // Year texts that are no year of 100 to 9999 written in ASCII digits.
    for (const QString &year : {u""_s, u"+1980"_s, u"0099"_s, u"10000"_s, u"１９８０"_s})
        QTest::addRow("year \"%s\"", qUtf8Printable(year)) << year + u"|5|7"_s << no << no;

    const QDate may7(1980, 5, 7);
    QTest::newRow("blanks around each") << u" 1980 | 5|7 "_s << no << may7;
    QTest::newRow("three digit month") << u"1980|005|7"_s << no << may7;
    QTest::newRow("trailing hyphen") << u"1980|05|07-"_s << no << no;
    QTest::newRow("year 0100") << u"0100|01|01"_s << QDate(100, 1, 1) << QDate(100, 1, 1);
    QTest::newRow("year 100, three digits") << u"100|1|1"_s << no << QDate(100, 1, 1);
}

void tst_Model::dateTexts()
{
    QFETCH(QString, texts);
    QFETCH(QDate, fromRegister);
    QFETCH(QDate, fromPickers);
    const QStringList parts = texts.split(u'|');
    QCOMPARE(registerDateFromText(parts.join(u'-')).value_or(QDate()), fromRegister);
    QCOMPARE(dateFromPickerTexts(parts[0], parts[1], parts[2]).value_or(QDate()), fromPickers);
}

void tst_Model::valueTextsAreTheShortestThatReadBack()
{
    // Every third of -300 to 300 (the whole percents and the means) and the doubles next to a few
    // of them, which must not be taken for them; Qt's own shortest form is the reference.
    std::vector<double> values;
    for (int k = -300; k <= 300; ++k)
        values.push_back(k / 3.0);
    for (const double near : {1 / 3.0, -43.0, 100.0, 0.0})
        values.insert(values.end(), {std::nextafter(near, -1e9), std::nextafter(near, 1e9)});
    values.insert(values.end(), {-0.0, 100.5, -101.0, 1e300, -2.2250738585072014e-308});
    for (const double value : values) {
        const QString expected = QString::number(value + 0.0, 'g', QLocale::FloatingPointShortest);
        QCOMPARE(valueText(value), expected);
        QCOMPARE(valueText(value).toDouble(), value);
    }
}

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"
