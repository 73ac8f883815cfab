#include "chart/cyclechart.h"
#include "testrunner.h"

#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

using namespace cyclara;

namespace {

const QStringList seriesNames = {QStringLiteral("智力"), QStringLiteral("情绪"),
                                 QStringLiteral("体力"), QStringLiteral("均值"),
                                 QStringLiteral("绝对均值")};

// 33 days of five series kept well apart, so that every point has only its own series near it:
// series s sits at its own level, rows wobble by 5 around it.
QList<ChartRow> querySizedGrid()
{
    const double levels[] = {-80, -40, 30, 60, 90};
    QList<ChartRow> rows;
    for (int r = 1; r <= 33; ++r) {
        ChartRow row{QStringLiteral("%1日").arg(r), {}};
        for (double level : levels)
            row.values.append(level + (r % 3 - 1) * 5);
        rows.append(row);
    }
    return rows;
}

// A chart as the window shows it: the query-sized grid, its five series named, on screen.
struct ShownChart {
    CycleChart chart;

    explicit ShownChart(qint32 type)
    {
        chart.setGrid(querySizedGrid());
        for (qint16 c = 1; c <= 5; ++c) {
            chart.setColumn(c);
            chart.setColumnLabel(seriesNames.at(c - 1));
        }
        chart.setChartType(type);
        chart.resize(713, 337);
        chart.show();
    }
};

// Through the window, as a real click arrives: Qt finds the widget under the mouse.
void click(CycleChart &chart, QPoint position)
{
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, position);
}

void doubleClick(CycleChart &chart, QPoint position)
{
    QTest::mouseDClick(chart.windowHandle(), Qt::LeftButton, {}, position);
}

QList<QVariant> selection(int series, int row)
{
    return {series, row};
}

} // namespace

class tst_CycleChart : public QObject {
    Q_OBJECT
private slots:
    void designTimeGrid();
    void valueTexts_data();
    void valueTexts();
    void replacedGridReadsBack();
    void replacingKeepsColumnsAndCurrentCell();
    void outOfRangeSelectionChangesNothing();
    void typeSwitchKeepsDataAndFlags();
    void pointPositionIsWhereThePointIsDrawn_data();
    void pointPositionIsWhereThePointIsDrawn();
    void clickSelectsPoint_data();
    void clickSelectsPoint();
    void hiddenSeriesCannotBeClicked_data();
    void hiddenSeriesCannotBeClicked();
    void doubleClickActivatesPlot_data();
    void doubleClickActivatesPlot();
    void tooltipNamesThePoint();
    void backgroundShowsThrough();
    void moveTwips_data();
    void moveTwips();
};

void tst_CycleChart::designTimeGrid()
{
    CycleChart chart;
    QCOMPARE(chart.chartType(), qint32(CycleChart::LineChart));
    QCOMPARE(chart.rowCount(), qint16(5));
    for (qint16 r = 1; r <= 5; ++r) {
        chart.setRow(r);
        QCOMPARE(chart.rowLabel(), QStringLiteral("R%1").arg(r));
        for (qint16 c = 1; c <= 4; ++c) {
            chart.setColumn(c);
            QCOMPARE(chart.columnLabel(), QStringLiteral("C%1").arg(c));
            const double value = chart.currentValueText().toDouble();
            QVERIFY2(value >= -100 && value <= 100, qPrintable(chart.currentValueText()));
        }
    }
    chart.setColumn(5);
    QCOMPARE(chart.column(), qint16(4));
}

void tst_CycleChart::valueTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("positive whole") << 19.0 << QStringLiteral("19");
    QTest::newRow("negative whole") << -43.0 << QStringLiteral("-43");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");
    QTest::newRow("hundred") << 100.0 << QStringLiteral("100");
    QTest::newRow("mean of 19, 22, 27")
        << (19.0 + 22.0 + 27.0) / 3 << QStringLiteral("22.666666666666668");
    QTest::newRow("mean of -19, -22, 0")
        << (-19.0 - 22.0 + 0.0) / 3 << QStringLiteral("-13.666666666666666");
    QTest::newRow("half") << -0.5 << QStringLiteral("-0.5");
    QTest::newRow("one third") << 1.0 / 3 << QStringLiteral("0.3333333333333333");
}

void tst_CycleChart::valueTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    CycleChart chart;
    chart.setGrid({{QStringLiteral("今天"), {1.0, value}}});
    chart.setRow(1);
    chart.setColumn(2);
    QCOMPARE(chart.currentValueText(), text);
    QCOMPARE(chart.currentValueText().toDouble(), value);
}

void tst_CycleChart::replacedGridReadsBack()
{
    CycleChart chart;
    chart.setGrid(
        {{QStringLiteral("前天"), {19, -43, 0, -8, 20.666666666666668}},
         {QStringLiteral("11月2日"), {-0.0, 22, 27, 16.333333333333332, 16.333333333333332}},
         {QStringLiteral("27-1-3"), {-19, -22, -27, -22.666666666666668, 22.666666666666668}}});

    QCOMPARE(chart.rowCount(), qint16(3));
    // Each row as "label: cell cell ...", read through the current cell.
    QStringList read;
    for (qint16 r = 1; r <= 3; ++r) {
        chart.setRow(r);
        QStringList cells;
        for (qint16 c = 1; c <= 5; ++c) {
            chart.setColumn(c);
            cells.append(chart.currentValueText());
        }
        read.append(chart.rowLabel() + QStringLiteral(": ") + cells.join(u' '));
    }
    QCOMPARE(read,
             QStringList(
                 {QStringLiteral("前天: 19 -43 0 -8 20.666666666666668"),
                  QStringLiteral("11月2日: 0 22 27 16.333333333333332 16.333333333333332"),
                  QStringLiteral("27-1-3: -19 -22 -27 -22.666666666666668 22.666666666666668")}));
    // The fifth column is new: it is named like the component's own columns.
    QCOMPARE(chart.columnLabel(), QStringLiteral("C5"));
}

void tst_CycleChart::replacingKeepsColumnsAndCurrentCell()
{
    CycleChart chart;
    chart.setGrid(querySizedGrid());
    chart.setColumn(2);
    chart.setColumnLabel(QStringLiteral("情绪"));
    chart.setSeriesHidden(2, true);
    chart.setRow(30);

    // Fewer rows, same columns: labels and flags stay, the current row moves to the last one.
    chart.setGrid({{QStringLiteral("昨天"), {1, 2, 3, 4, 5}}, {QStringLiteral("今天"), {6, 7}}});
    QCOMPARE(chart.rowCount(), qint16(2));
    QCOMPARE(chart.row(), qint16(2));
    QCOMPARE(chart.column(), qint16(2));
    QCOMPARE(chart.columnLabel(), QStringLiteral("情绪"));
    QVERIFY(chart.isSeriesHidden(2));
    chart.setColumn(5);
    QCOMPARE(chart.currentValueText(), QStringLiteral("0")); // a short row reads 0 where it ends
    chart.setColumn(1);
    QCOMPARE(chart.currentValueText(), QStringLiteral("6"));

    // Columns that went away come back unnamed and shown.
    chart.setGrid({{QStringLiteral("今天"), {1}}});
    QCOMPARE(chart.column(), qint16(1));
    chart.setGrid(querySizedGrid());
    chart.setColumn(2);
    QCOMPARE(chart.columnLabel(), QStringLiteral("C2"));
    QVERIFY(!chart.isSeriesHidden(2));
}

void tst_CycleChart::outOfRangeSelectionChangesNothing()
{
    CycleChart chart;
    chart.setRow(3);
    chart.setColumn(2);
    chart.setRow(0);
    chart.setRow(6);
    chart.setColumn(0);
    chart.setColumn(-1);
    QCOMPARE(chart.row(), qint16(3));
    QCOMPARE(chart.column(), qint16(2));
    chart.setSeriesHidden(9, true);
    QVERIFY(!chart.isSeriesHidden(9));
    chart.setChartType(2);
    QCOMPARE(chart.chartType(), qint32(CycleChart::LineChart));
}

void tst_CycleChart::typeSwitchKeepsDataAndFlags()
{
    CycleChart chart;
    chart.setGrid(querySizedGrid());
    chart.setSeriesHidden(4, true);
    chart.setRow(17);
    chart.setColumn(3);

    for (qint32 type : {CycleChart::BarChart, CycleChart::LineChart, CycleChart::BarChart}) {
        chart.setChartType(type);
        QCOMPARE(chart.chartType(), type);
        QCOMPARE(chart.rowCount(), qint16(33));
        QCOMPARE(chart.row(), qint16(17));
        QCOMPARE(chart.column(), qint16(3));
        QCOMPARE(chart.rowLabel(), QStringLiteral("17日"));
        QCOMPARE(chart.currentValueText(), QStringLiteral("35"));
        QVERIFY(chart.isSeriesHidden(4));
        QVERIFY(!chart.isSeriesHidden(3));
    }
}

void tst_CycleChart::pointPositionIsWhereThePointIsDrawn_data()
{
    QTest::addColumn<qint32>("type");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("row");

    QTest::newRow("line, intellectual, first day") << qint32(CycleChart::LineChart) << 1 << 1;
    QTest::newRow("line, physical, middle day") << qint32(CycleChart::LineChart) << 3 << 17;
    QTest::newRow("line, absolute mean, last day") << qint32(CycleChart::LineChart) << 5 << 33;
    QTest::newRow("bar, intellectual, first day") << qint32(CycleChart::BarChart) << 1 << 1;
    QTest::newRow("bar, mean, middle day") << qint32(CycleChart::BarChart) << 4 << 17;
    QTest::newRow("bar, absolute mean, last day") << qint32(CycleChart::BarChart) << 5 << 33;
}

// Clicks are aimed with pointPosition, so it must hit the drawing itself: the pixel there
// changes when the series is hidden.
void tst_CycleChart::pointPositionIsWhereThePointIsDrawn()
{
    QFETCH(qint32, type);
    QFETCH(int, series);
    QFETCH(int, row);

    ShownChart shown(type);
    CycleChart &chart = shown.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QPoint position = chart.pointPosition(series, row);
    const QImage drawn = chart.grab().toImage();
    chart.setSeriesHidden(series, true);
    const QImage without = chart.grab().toImage();
    const qreal ratio = drawn.devicePixelRatio();
    const QPoint pixel(qRound(position.x() * ratio), qRound(position.y() * ratio));
    QVERIFY(drawn.rect().contains(pixel));
    QVERIFY2(drawn.pixel(pixel) != without.pixel(pixel),
             qPrintable(QStringLiteral("nothing of series %1 at (%2, %3)")
                            .arg(series)
                            .arg(position.x())
                            .arg(position.y())));
}

void tst_CycleChart::clickSelectsPoint_data()
{
    QTest::addColumn<qint32>("type");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("offset");

    const auto line = qint32(CycleChart::LineChart);
    const auto bar = qint32(CycleChart::BarChart);
    QTest::newRow("line, intellectual, first day") << line << 1 << 1 << QPoint();
    QTest::newRow("line, emotional, 3 px off") << line << 2 << 9 << QPoint(3, -2);
    QTest::newRow("line, physical, middle day") << line << 3 << 17 << QPoint();
    QTest::newRow("line, mean") << line << 4 << 20 << QPoint();
    QTest::newRow("line, absolute mean, last day") << line << 5 << 33 << QPoint();
    QTest::newRow("bar, intellectual, first day") << bar << 1 << 1 << QPoint();
    QTest::newRow("bar, emotional, off the middle") << bar << 2 << 9 << QPoint(1, 10);
    QTest::newRow("bar, physical, middle day") << bar << 3 << 17 << QPoint();
    QTest::newRow("bar, mean") << bar << 4 << 20 << QPoint();
    QTest::newRow("bar, absolute mean, last day") << bar << 5 << 33 << QPoint();
}

void tst_CycleChart::clickSelectsPoint()
{
    QFETCH(qint32, type);
    QFETCH(int, series);
    QFETCH(int, row);
    QFETCH(QPoint, offset);

    ShownChart shown(type);
    CycleChart &chart = shown.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    QSignalSpy activated(&chart, &CycleChart::plotActivated);

    click(chart, chart.pointPosition(series, row) + offset);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.first(), selection(series, row));
    QCOMPARE(activated.count(), 0);
}

void tst_CycleChart::hiddenSeriesCannotBeClicked_data()
{
    QTest::addColumn<qint32>("type");
    QTest::newRow("line") << qint32(CycleChart::LineChart);
    QTest::newRow("bar") << qint32(CycleChart::BarChart);
}

void tst_CycleChart::hiddenSeriesCannotBeClicked()
{
    QFETCH(qint32, type);

    ShownChart shown(type);
    CycleChart &chart = shown.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    const QPoint before = chart.pointPosition(2, 12);

    for (int series : {2, 4}) {
        const QPoint where = chart.pointPosition(series, 12);
        chart.setSeriesHidden(series, true);
        click(chart, where);
        // Bars close up, so a neighbour may now stand there; the hidden one never answers.
        for (const QList<QVariant> &arguments : std::as_const(selected))
            QVERIFY(arguments.first().toInt() != series);
        if (type == CycleChart::LineChart)
            QCOMPARE(selected.count(), 0);
    }
    chart.setRow(12);
    chart.setColumn(2);
    QCOMPARE(chart.currentValueText(), QStringLiteral("-45")); // hidden, its data stay

    QVERIFY(!chart.rect().contains(chart.pointPosition(2, 12)));

    // Shown again, the series answers where it was before.
    chart.setSeriesHidden(2, false);
    QVERIFY(!chart.isSeriesHidden(2));
    if (type == CycleChart::LineChart)
        QCOMPARE(chart.pointPosition(2, 12), before);
    click(chart, chart.pointPosition(2, 12));
    QCOMPARE(selected.last(), selection(2, 12));
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

    ShownChart shown(type);
    CycleChart &chart = shown.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    QSignalSpy activated(&chart, &CycleChart::plotActivated);

    // Empty plot: between two days and two lines, or above a bar that points down.
    const QPoint empty =
        type == CycleChart::LineChart
            ? (chart.pointPosition(1, 10) + chart.pointPosition(2, 11)) / 2
            : QPoint(chart.pointPosition(1, 10).x(), chart.pointPosition(5, 10).y());
    doubleClick(chart, empty);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(selected.count(), 0);

    doubleClick(chart, chart.pointPosition(3, 10));
    QCOMPARE(activated.count(), 1);
    QVERIFY(!selected.isEmpty());
    QCOMPARE(selected.last(), selection(3, 10));

    // Outside the plot (the corner holding the legend and axis) is not the plot.
    doubleClick(chart, QPoint(2, 2));
    QCOMPARE(activated.count(), 1);
}

void tst_CycleChart::tooltipNamesThePoint()
{
    ShownChart shown(CycleChart::LineChart);
    CycleChart &chart = shown.chart;
    QVERIFY(QTest::qWaitForWindowExposed(&chart));

    const QPoint position = chart.pointPosition(4, 17);
    QWidget *under = chart.childAt(position);
    QVERIFY(under);
    QHelpEvent help(QEvent::ToolTip, under->mapFrom(&chart, position), chart.mapToGlobal(position));
    QCoreApplication::sendEvent(under, &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("17日\n均值: 65"));
    QToolTip::hideText();
}

void tst_CycleChart::backgroundShowsThrough()
{
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette red = window.palette();
    red.setColor(QPalette::Window, Qt::red);
    window.setPalette(red);
    window.resize(740, 480);
    CycleChart chart(&window);
    chart.setGeometry(8, 120, 713, 337);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QImage image = window.grab().toImage();
    const auto at = [&](QPoint p) {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(qRound(p.x() * ratio), qRound(p.y() * ratio));
    };
    QCOMPARE(at(chart.mapTo(&window, QPoint(1, 1))), QColor(Qt::red));
    // Inside the plot, between the first two days' points, the plot is light.
    const QPoint inside =
        chart.mapTo(&window, (chart.pointPosition(1, 1) + chart.pointPosition(2, 2)) / 2);
    QVERIFY(at(inside).lightness() > 200);
    QVERIFY(at(inside) != QColor(Qt::red));
}

void tst_CycleChart::moveTwips_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<QRect>("geometry");

    const QRect unmoved(1, 2, 30, 40);
    QTest::newRow("window layout size") << 10695.0f << 5055.0f << QRect(8, 120, 713, 337);
    QTest::newRow("empty") << 0.0f << 0.0f << QRect(8, 120, 0, 0);
    QTest::newRow("negative width") << -15.0f << 5055.0f << unmoved;
    QTest::newRow("negative height") << 10695.0f << -1.0f << unmoved;
}

void tst_CycleChart::moveTwips()
{
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(QRect, geometry);

    QWidget window;
    CycleChart chart(&window);
    chart.setGeometry(1, 2, 30, 40);
    const bool moved = geometry.topLeft() != QPoint(1, 2);
    QCOMPARE(chart.moveTwips(120, 1800, width, height), moved);
    QCOMPARE(chart.geometry(), geometry);
    QCOMPARE(chart.leftTwips(), moved ? 120.0f : 15.0f);
    QCOMPARE(chart.topTwips(), moved ? 1800.0f : 30.0f);
}

CYCLARA_TEST(tst_CycleChart);
#include "tst_cyclechart.moc"
