#include "model/dates.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

class tst_Dates : public QObject {
    Q_OBJECT
private slots:
    void relativeDayLabel_data();
    void relativeDayLabel();
};

void tst_Dates::relativeDayLabel_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("label");

    const QDate newYearsEve(2026, 12, 31);
    QTest::newRow("today") << newYearsEve << newYearsEve << u"今天"_s;
    QTest::newRow("yesterday") << newYearsEve << QDate(2026, 12, 30) << u"昨天"_s;
    QTest::newRow("day before yesterday") << newYearsEve << QDate(2026, 12, 29) << u"前天"_s;
    QTest::newRow("tomorrow across year end") << newYearsEve << QDate(2027, 1, 1) << u"明天"_s;
    QTest::newRow("day after tomorrow across year end")
        << newYearsEve << QDate(2027, 1, 2) << u"后天"_s;
    QTest::newRow("three days ahead in next year")
        << newYearsEve << QDate(2027, 1, 3) << u"27-1-3"_s;
    QTest::newRow("same month") << newYearsEve << QDate(2026, 12, 17) << u"17日"_s;
    QTest::newRow("same month, single digit day") << newYearsEve << QDate(2026, 12, 5) << u"5日"_s;
    QTest::newRow("other month") << newYearsEve << QDate(2026, 11, 2) << u"11月2日"_s;
    QTest::newRow("same month number, other year")
        << newYearsEve << QDate(2025, 12, 17) << u"25-12-17"_s;
    QTest::newRow("year ending in 00") << newYearsEve << QDate(2000, 1, 1) << u"00-1-1"_s;
    QTest::newRow("year ending in 07") << newYearsEve << QDate(2007, 3, 5) << u"07-3-5"_s;
    QTest::newRow("twentieth century") << newYearsEve << QDate(1905, 10, 20) << u"05-10-20"_s;

    const QDate newYearsDay(2027, 1, 1);
    QTest::newRow("day before yesterday across year start")
        << newYearsDay << QDate(2026, 12, 30) << u"前天"_s;
    QTest::newRow("three days back in last year")
        << newYearsDay << QDate(2026, 12, 29) << u"26-12-29"_s;

    QTest::newRow("yesterday across month end")
        << QDate(2026, 3, 1) << QDate(2026, 2, 28) << u"昨天"_s;
    QTest::newRow("three days back across month end")
        << QDate(2026, 3, 1) << QDate(2026, 2, 26) << u"2月26日"_s;
    QTest::newRow("leap day counts") << QDate(2024, 3, 1) << QDate(2024, 2, 28) << u"前天"_s;
    QTest::newRow("month start, same month") << QDate(2026, 3, 31) << QDate(2026, 3, 1) << u"1日"_s;
}

void tst_Dates::relativeDayLabel()
{
    QFETCH(QDate, today);
    QFETCH(QDate, day);
    QFETCH(QString, label);
    QCOMPARE(RelativeDayLabel(day, today), label);
}

QTEST_GUILESS_MAIN(tst_Dates)
#include "tst_dates.moc"
