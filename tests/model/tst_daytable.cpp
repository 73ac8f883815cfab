#include "model/daytable.h"
#include "model/daytablemodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

namespace {

QString exact(double v)
{
    return QString::number(v, 'g', 17);
}

QStringList rowTexts(const DayRow &row)
{
    QStringList texts{row.label};
    for (double v : row.values)
        texts << exact(v);
    return texts;
}

} // namespace

class tst_DayTable : public QObject {
    Q_OBJECT
private slots:
    void workedExample();
    void queryOnTheBirthDate();
    void rangeOfTheCalendar_data();
    void rangeOfTheCalendar();
    void valueTexts_data();
    void valueTexts();
    void modelOfATable();
    void criticalDaysOfARun_data();
    void criticalDaysOfARun();
    void criticalCyclesOfTheWorkedExample();
};

void tst_DayTable::workedExample()
{
    // Born 2006-1-1, queried on 2006-4-11 with a span of 3, on the query day itself.
    const QList<DayRow> table = buildDayTable({2006, 1, 1}, {2006, 4, 11}, 3, {2006, 4, 11});
    const QList<QStringList> expected{
        {u"8日"_s, u"-37"_s, u"22"_s, u"98"_s, u"27.666666666666668"_s, u"52.333333333333336"_s},
        {u"前天"_s, u"-19"_s, u"0"_s, u"100"_s, u"27"_s, u"39.666666666666664"_s},
        {u"昨天"_s, u"0"_s, u"-22"_s, u"94"_s, u"24"_s, u"38.666666666666664"_s},
        {u"今天"_s, u"19"_s, u"-43"_s, u"82"_s, u"19.333333333333332"_s, u"48"_s},
        {u"明天"_s, u"37"_s, u"-62"_s, u"63"_s, u"12.666666666666666"_s, u"54"_s},
        {u"后天"_s, u"54"_s, u"-78"_s, u"40"_s, u"5.333333333333333"_s, u"57.333333333333336"_s},
        {u"14日"_s, u"69"_s, u"-90"_s, u"14"_s, u"-2.3333333333333335"_s, u"57.666666666666664"_s},
    };
    QCOMPARE(table.size(), expected.size());
    for (qsizetype r = 0; r < table.size(); ++r)
        QCOMPARE(rowTexts(table[r]), expected[r]);
}

void tst_DayTable::queryOnTheBirthDate()
{
    const QList<DayRow> table = buildDayTable({2026, 12, 6}, {2026, 12, 6}, 3, {2027, 3, 1});
    QStringList intellectual, emotional, physical, absolute;
    for (const DayRow &row : table) {
        intellectual << exact(row.values[0]);
        emotional << exact(row.values[1]);
        physical << exact(row.values[2]);
        absolute << exact(row.values[4]);
    }
    QCOMPARE(intellectual.join(u' '), u"-54 -37 -19 0 19 37 54"_s);
    QCOMPARE(emotional.join(u' '), u"-62 -43 -22 0 22 43 62"_s);
    QCOMPARE(physical.join(u' '), u"-73 -52 -27 0 27 52 73"_s);
    QCOMPARE(absolute.join(u' '), u"63 44 22.666666666666668 0 22.666666666666668 44 63"_s);
    QCOMPARE(table.first().label, u"26-12-3"_s);
}

void tst_DayTable::rangeOfTheCalendar_data()
{
    QTest::addColumn<QDate>("query");
    QTest::addColumn<int>("span");
    QTest::addColumn<bool>("inRange");
    QTest::newRow("ordinary") << QDate(2026, 12, 6) << 16 << true;
    QTest::newRow("first day reachable") << QDate(100, 1, 4) << 3 << true;
    QTest::newRow("one day before year 100") << QDate(100, 1, 3) << 3 << false;
    QTest::newRow("last day reachable") << QDate(9999, 12, 28) << 3 << true;
    QTest::newRow("one day past 9999") << QDate(9999, 12, 29) << 3 << false;
    QTest::newRow("no date") << QDate() << 3 << false;
}

void tst_DayTable::rangeOfTheCalendar()
{
    QFETCH(QDate, query);
    QFETCH(int, span);
    QTEST(dayTableInRange(query, span), "inRange");
}

void tst_DayTable::valueTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 19.0 << u"19"_s;
    QTest::newRow("negative") << -43.0 << u"-43"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("a third, shortest exact form") << -41.0 / 3 << u"-13.666666666666666"_s;
    QTest::newRow("a half") << -0.5 << u"-0.5"_s;
}

void tst_DayTable::valueTexts()
{
    QFETCH(double, value);
    QTEST(valueText(value), "text");
}

// The worked example's table as a model: dates, labels, series texts and numbers, and the current
// day, which starts at the query date and moves only to days the table has.
void tst_DayTable::modelOfATable()
{
    DayTableModel model;
    QSignalSpy moved(&model, &DayTableModel::currentRowChanged);
    model.setDays(buildDayTable({2006, 1, 1}, {2006, 4, 11}, 3, {2006, 4, 11}));
    QCOMPARE(model.rowCount(), 7);
    QCOMPARE(model.columnCount(), 7);
    QCOMPARE(model.currentRow(), 3);
    QCOMPARE(moved.count(), 1);

    const auto cell = [&](int row, int column, int role = Qt::DisplayRole) {
        return model.data(model.index(row, column), role);
    };
    QCOMPARE(cell(0, DayTableModel::DateColumn).toString(), u"2006-04-08"_s);
    QCOMPARE(cell(3, DayTableModel::LabelColumn).toString(), u"今天"_s);
    QCOMPARE(cell(3, DayTableModel::FirstSeriesColumn + 1).toString(), u"-43"_s);
    QCOMPARE(cell(6, DayTableModel::FirstSeriesColumn + 3, DayTableModel::ValueRole).toDouble(),
             -7.0 / 3);
    QCOMPARE(model.headerData(DayTableModel::FirstSeriesColumn + 4, Qt::Horizontal).toString(),
             u"绝对均值"_s);

    model.setCurrentRow(7);
    model.setCurrentRow(-1);
    QCOMPARE(model.currentRow(), 3);
    model.setCurrentRow(6);
    QCOMPARE(model.currentRow(), 6);
    model.setDays({});
    QCOMPARE(model.currentRow(), -1);
    QCOMPARE(moved.count(), 3);
}

void tst_DayTable::criticalDaysOfARun_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<bool>>("critical");
    QTest::newRow("crossing, the later nearer") << QList<double>{30, -10} << QList<bool>{0, 1};
    QTest::newRow("crossing, the earlier nearer") << QList<double>{10, -30} << QList<bool>{1, 0};
    QTest::newRow("as near: the earlier") << QList<double>{20, -20} << QList<bool>{1, 0};
    QTest::newRow("zero itself") << QList<double>{-5, 0, 7} << QList<bool>{0, 1, 0};
    QTest::newRow("no crossing") << QList<double>{1, 50, 100} << QList<bool>{0, 0, 0};
    QTest::newRow("down and up again") << QList<double>{-3, 40, 2, -1} << QList<bool>{1, 0, 0, 1};
}

void tst_DayTable::criticalDaysOfARun()
{
    QFETCH(QList<double>, values);
    QFETCH(QList<bool>, critical);
    const std::vector<bool> found = criticalDays(values);
    QCOMPARE(QList<bool>(found.begin(), found.end()), critical);
}

// 智力 is 0 on 2006-4-10 and 情绪 on 2006-4-9; 体力 goes from 14 on 4-14 to -14 on 4-15 (worked
// out with the sine formula), and the earlier of two as near is the critical one.
void tst_DayTable::criticalCyclesOfTheWorkedExample()
{
    const QList<DayRow> table = buildDayTable({2006, 1, 1}, {2006, 4, 11}, 3, {2006, 4, 11});
    QList<CriticalCycles> cycles;
    for (const DayRow &day : table)
        cycles << day.critical;
    QCOMPARE(cycles, (QList<CriticalCycles>{0, 0b010, 0b001, 0, 0, 0, 0b100}));
}

QTEST_GUILESS_MAIN(tst_DayTable)
#include "tst_daytable.moc"
