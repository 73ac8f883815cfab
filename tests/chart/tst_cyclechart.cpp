#include "chart/cyclechart.h"
#include "model/daytablemodel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

namespace {

// 33 days of five series kept well apart, so that near every point lies only its own series:
// series s sits at its own level, days wobble by 5 around it.
QList<DayRow> monthOfDays()
{
    QList<DayRow> days;
    for (int d = 1; d <= 33; ++d) {
        const double w = (d % 3 - 1) * 5;
        days.append({QDate(2026, 1, 1).addDays(d),
                     u"%1日"_s.arg(d),
                     {-80 + w, -40 + w, 30 + w, 60 + w, 90 + w}});
    }
    return days;
}

// The chart at the window's size, on screen; clicks go through its window as real ones do.
bool showChart(CycleChart &chart, DayTableModel &days, qint32 type)
{
    days.setDays(monthOfDays());
    chart.setModel(&days);
    chart.setChartType(type);
    chart.resize(713, 337);
    chart.show();
    return QTest::qWaitForWindowExposed(&chart);
}

} // namespace

class tst_CycleChart : public QObject {
    Q_OBJECT
private slots:
    void clickSelectsPoint_data();
    void clickSelectsPoint();
    void doubleClickActivatesPlot();
    void followsItsTable();
    void moveTwipsRefusesNegativeSize();
};

void tst_CycleChart::clickSelectsPoint_data()
{
    QTest::addColumn<bool>("bars");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("line, emotional, 3 px off") << false << 2 << 9 << QPoint(3, -2);
    QTest::newRow("line, absolute mean, last day") << false << 5 << 33 << QPoint();
    QTest::newRow("bar, mean, off the middle") << true << 4 << 20 << QPoint(1, 10);
}

void tst_CycleChart::clickSelectsPoint()
{
    QFETCH(bool, bars);
    QFETCH(int, series);
    QFETCH(int, row);
    QFETCH(QPoint, offset);

    DayTableModel days;
    CycleChart chart;
    QVERIFY(showChart(chart, days, bars ? CycleChart::BarChart : CycleChart::LineChart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    const QPoint where = chart.pointPosition(series, row) + offset;
    chart.setSeriesHidden(series, true);
    QCOMPARE(chart.pointPosition(series, row), QPoint(-1, -1));
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
    // Bars close up, so a neighbour may now stand there; the hidden series never answers.
    QVERIFY(selected.isEmpty() || (bars && selected.first().first().toInt() != series));
    chart.setSeriesHidden(series, false);
    selected.clear();
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
    QCOMPARE(selected, (QList<QList<QVariant>>{{series, row}}));
}

void tst_CycleChart::doubleClickActivatesPlot()
{
    for (qint32 type : {CycleChart::LineChart, CycleChart::BarChart}) {
        DayTableModel days;
        CycleChart chart;
        QVERIFY(showChart(chart, days, type));
        QSignalSpy activated(&chart, &CycleChart::plotActivated);
        // Empty plot: the first series' place on the day, halfway between the third and fourth
        // levels; its marker lies far below, its bar points down.
        const QPoint empty(chart.pointPosition(1, 10).x(),
                           (chart.pointPosition(3, 10).y() + chart.pointPosition(4, 10).y()) / 2);
        QTest::mouseDClick(chart.windowHandle(), Qt::LeftButton, {}, empty);
        QCOMPARE(activated.count(), 1);
        // A double click on a point is not one on the plot.
        QTest::mouseDClick(chart.windowHandle(), Qt::LeftButton, {}, chart.pointPosition(3, 10));
        QCOMPARE(activated.count(), 1);
    }
}

// A new table, a smaller one, or none: the points follow, and nothing is left of the old table.
void tst_CycleChart::followsItsTable()
{
    DayTableModel days;
    CycleChart chart;
    QVERIFY(showChart(chart, days, CycleChart::LineChart));
    const QPoint before = chart.pointPosition(1, 2);
    days.setDays(monthOfDays().mid(0, 7));
    QVERIFY(chart.pointPosition(1, 2).x() > before.x()); // seven days spread wider
    QCOMPARE(chart.pointPosition(1, 8), QPoint(-1, -1));
    days.setDays({});
    QCOMPARE(chart.pointPosition(1, 1), QPoint(-1, -1));
    chart.setModel(nullptr);
    QCOMPARE(chart.pointPosition(1, 1), QPoint(-1, -1));
    QVERIFY(!chart.grab().isNull());
}

void tst_CycleChart::moveTwipsRefusesNegativeSize()
{
    QWidget window;
    CycleChart chart(&window);
    QVERIFY(chart.moveTwips(120, 1800, 10695, 5055));
    QVERIFY(!chart.moveTwips(15, 30, -15, 5055));
    QVERIFY(!chart.moveTwips(15, 30, 10695, -1));
    QCOMPARE(chart.geometry(), QRect(8, 120, 713, 337));
    QCOMPARE(chart.leftTwips(), 120.0f);
}

QTEST_MAIN(tst_CycleChart)
#include "tst_cyclechart.moc"
