#include "chart/cyclechart.h"
#include "testrunner.h"

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
    void doubleClickActivatesPlot_data();
    void doubleClickActivatesPlot();
    void moveTwips_data();
    void moveTwips();
};

void tst_CycleChart::gridSurvivesTypeSwitchAndReplacement()
{
    CycleChart chart;
    chart.setGrid(monthGrid());
    chart.setColumn(2);
    chart.setColumnLabel(QStringLiteral("情绪"));
    chart.setSeriesHidden(2, true);
    chart.setRow(30);
    for (qint32 type : {CycleChart::BarChart, CycleChart::LineChart}) {
        chart.setChartType(type);
        QCOMPARE(chart.chartType(), type);
        QCOMPARE(chart.currentValueText(), QStringLiteral("-45"));
        QVERIFY(chart.isSeriesHidden(2));
    }

    // Fewer rows, same columns: label and flag stay, the current row moves to the last one.
    // Values: a negative zero (read "0"), the means of (-19, -22, 0) and (19, 22, 27) in their
    // shortest exact form, and a second row shorter than the first, read as 0 where it ends.
    chart.setGrid({{QStringLiteral("前天"), {19, -43, -0.0, (-19.0 - 22.0) / 3, 68.0 / 3}},
                   {QStringLiteral("11月2日"), {-0.5, 22}}});
    QCOMPARE(chart.rowCount(), qint16(2));
    QCOMPARE(chart.row(), qint16(2));
    QCOMPARE(chart.columnLabel(), QStringLiteral("情绪"));
    QVERIFY(chart.isSeriesHidden(2));
    QStringList read;
    for (qint16 r = 1; r <= 2; ++r) {
        chart.setRow(r);
        read.append(chart.rowLabel());
        for (qint16 c = 1; c <= 5; ++c) {
            chart.setColumn(c);
            read.append(chart.currentValueText());
        }
    }
    QCOMPARE(read.join(u' '), QStringLiteral("前天 19 -43 0 -13.666666666666666 "
                                             "22.666666666666668 11月2日 -0.5 22 0 0 0"));

    // Columns that went away come back unnamed and shown.
    chart.setGrid({{QStringLiteral("今天"), {1}}});
    QCOMPARE(chart.column(), qint16(1));
    chart.setGrid(monthGrid());
    chart.setColumn(2);
    QCOMPARE(chart.columnLabel(), QStringLiteral("C2"));
    QVERIFY(!chart.isSeriesHidden(2));
}

void tst_CycleChart::clickSelectsPoint_data()
{
    QTest::addColumn<qint32>("type");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("hiddenFirst");

    const auto line = qint32(CycleChart::LineChart);
    const auto bar = qint32(CycleChart::BarChart);
    QTest::newRow("line, intellectual, first day") << line << 1 << 1 << QPoint() << false;
    QTest::newRow("line, emotional, 3 px off") << line << 2 << 9 << QPoint(3, -2) << false;
    QTest::newRow("line, absolute mean, last day") << line << 5 << 33 << QPoint() << false;
    QTest::newRow("line, mean hidden") << line << 4 << 12 << QPoint() << true;
    QTest::newRow("bar, intellectual, first day") << bar << 1 << 1 << QPoint() << false;
    QTest::newRow("bar, emotional, off the middle") << bar << 2 << 9 << QPoint(1, 10) << false;
    QTest::newRow("bar, mean") << bar << 4 << 20 << QPoint() << false;
    QTest::newRow("bar, emotional hidden") << bar << 2 << 12 << QPoint() << true;
}

void tst_CycleChart::clickSelectsPoint()
{
    QFETCH(qint32, type);
    QFETCH(int, series);
    QFETCH(int, row);
    QFETCH(QPoint, offset);
    QFETCH(bool, hiddenFirst);

    CycleChart chart;
    QVERIFY(showChart(chart, type));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    const QPoint where = chart.pointPosition(series, row) + offset;
    if (hiddenFirst) {
        chart.setSeriesHidden(series, true);
        QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
        // Bars close up, so a neighbour may now stand there; the hidden series never answers.
        for (const QList<QVariant> &arguments : std::as_const(selected))
            QVERIFY(arguments.first().toInt() != series);
        QVERIFY(type == CycleChart::BarChart || selected.isEmpty());
        chart.setSeriesHidden(series, false);
        selected.clear();
    }
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first(), (QList<QVariant>{series, row}));
}

void tst_CycleChart::doubleClickActivatesPlot_data()
{
    QTest::addColumn<qint32>("type");
    QTest::newRow("line") << qint32(CycleChart::LineChart);
    QTest::newRow("bar") << qint32(CycleChart::BarChart);
}

void tst_CycleChart::doubleClickActivatesPlot()
{
    QFETCH(qint32, type);

    CycleChart chart;
    QVERIFY(showChart(chart, type));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    QSignalSpy activated(&chart, &CycleChart::plotActivated);
    // Empty plot: between two days and two lines, or above a bar that points down.
    const QPoint empty =
        type == CycleChart::LineChart
            ? (chart.pointPosition(1, 10) + chart.pointPosition(2, 11)) / 2
            : QPoint(chart.pointPosition(1, 10).x(), chart.pointPosition(5, 10).y());
    QTest::mouseDClick(chart.windowHandle(), Qt::LeftButton, {}, empty);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(selected.count(), 0);

    QTest::mouseDClick(chart.windowHandle(), Qt::LeftButton, {}, chart.pointPosition(3, 10));
    QCOMPARE(activated.count(), 1);
    QCOMPARE(selected.value(selected.size() - 1), (QList<QVariant>{3, 10}));
}

void tst_CycleChart::moveTwips_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("window layout size") << QSizeF(10695, 5055) << QRect(8, 120, 713, 337);
    QTest::newRow("empty") << QSizeF(0, 0) << QRect(8, 120, 0, 0);
    QTest::newRow("negative width") << QSizeF(-15, 5055) << QRect(1, 2, 30, 40);
    QTest::newRow("negative height") << QSizeF(10695, -1) << QRect(1, 2, 30, 40);
}

void tst_CycleChart::moveTwips()
{
    QFETCH(QSizeF, size);
    QFETCH(QRect, geometry);

    QWidget window;
    CycleChart chart(&window);
    chart.setGeometry(1, 2, 30, 40);
    const bool moved = geometry != QRect(1, 2, 30, 40);
    QCOMPARE(chart.moveTwips(120, 1800, float(size.width()), float(size.height())), moved);
    QCOMPARE(chart.geometry(), geometry);
    QCOMPARE(chart.leftTwips(), moved ? 120.0f : 15.0f);
}

CYCLARA_TEST(tst_CycleChart);
#include "tst_cyclechart.moc"
