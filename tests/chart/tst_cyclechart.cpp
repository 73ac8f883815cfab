#include "chart/cyclechart.h"

#include <QSignalSpy>
#include <QTest>

using namespace cyclara;

// 33 days of five series kept well apart, so that near every point lies only its own series:
// series s sits at its own level, rows wobble by 5 around it.
static QList<ChartRow> monthGrid()
{
    QList<ChartRow> rows;
    for (int r = 1; r <= 33; ++r) {
        const double w = (r % 3 - 1) * 5;
        rows.append({QStringLiteral("%1日").arg(r), {-80 + w, -40 + w, 30 + w, 60 + w, 90 + w}});
    }
    return rows;
}

// The chart at the window's size, on screen; clicks go through its window as real ones do.
static bool showChart(CycleChart &chart, qint32 type)
{
    chart.setGrid(monthGrid());
    chart.setChartType(type);
    chart.resize(713, 337);
    chart.show();
    return QTest::qWaitForWindowExposed(&chart);
}

class tst_CycleChart : public QObject {
    Q_OBJECT
private slots:
    void gridSurvivesTypeSwitchAndReplacement();
    void clickSelectsPoint_data();
    void clickSelectsPoint();
    void doubleClickActivatesPlot();
    void moveTwipsRefusesNegativeSize();
};

void tst_CycleChart::gridSurvivesTypeSwitchAndReplacement()
{
    CycleChart chart;
    chart.setGrid(monthGrid());
    chart.setColumn(2);
    chart.setSeriesHidden(2, true);
    chart.setRow(30);
    for (qint32 type : {CycleChart::BarChart, CycleChart::LineChart}) {
        chart.setChartType(type);
        QCOMPARE(chart.chartType(), type);
        QCOMPARE(chart.currentValueText(), QStringLiteral("-45"));
        QVERIFY(chart.isSeriesHidden(2));
    }

    // Fewer rows and columns: the current row moves to the last one. A negative zero reads "0", a
    // third its shortest exact form, a short row 0 past its end.
    chart.setGrid(
        {{QStringLiteral("前天"), {19, -0.0, -41.0 / 3}}, {QStringLiteral("11月2日"), {-0.5}}});
    QCOMPARE(chart.rowLabel(), QStringLiteral("11月2日"));
    QStringList read;
    for (int cell = 0; cell < 6; ++cell) {
        chart.setRow(qint16(cell / 3 + 1));
        chart.setColumn(qint16(cell % 3 + 1));
        read.append(chart.currentValueText());
    }
    QCOMPARE(read.join(u' '), QStringLiteral("19 0 -13.666666666666666 -0.5 0 0"));
}

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

    CycleChart chart;
    QVERIFY(showChart(chart, bars ? CycleChart::BarChart : CycleChart::LineChart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    const QPoint where = chart.pointPosition(series, row) + offset;
    chart.setSeriesHidden(series, true);
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
        CycleChart chart;
        QVERIFY(showChart(chart, type));
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
