// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/cyclechart.h"
#include "model/daytablemodel.h"

#include <QSet>
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

} // namespace

class tst_CycleChart : public QObject {
    Q_OBJECT
private slots:
    void clickSelectsPoint_data();
    void clickSelectsPoint();
    void bandTodayLineAndMarkers();
};

void tst_CycleChart::clickSelectsPoint_data()
{
    QTest::addColumn<bool>("bars");
    QTest::addColumn<Series>("series");
    QTest::addColumn<int>("row");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("line, emotional, 3 px off") << false << Series::Emotional << 8 << QPoint(3, -2);
    QTest::newRow("line, absolute mean, last day")
        << false << Series::AbsoluteMean << 32 << QPoint();
    QTest::newRow("bar, mean, off the middle") << true << Series::Mean << 19 << QPoint(1, 10);
}

// A click selects the point it falls on, never one of a hidden series.
void tst_CycleChart::clickSelectsPoint()
{
    QFETCH(bool, bars);
    QFETCH(Series, series);
    QFETCH(int, row);
    QFETCH(QPoint, offset);

    // The chart at the window's size, on screen; clicks go through its window as real ones do.
    DayTableModel days;
    days.setDays(monthOfDays());
    CycleChart chart;
    chart.setModel(&days);
    chart.setChartType(bars ? CycleChart::BarChart : CycleChart::LineChart);
    chart.resize(713, 337);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy selected(&chart, &CycleChart::pointSelected);
    const QPoint where = chart.pointPosition(series, row) + offset;
    chart.setSeriesHidden(series, true);
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
    // Bars close up, so a neighbour may now stand there; the hidden series never answers.
    QVERIFY(selected.isEmpty() || (bars && selected.first().first().value<Series>() != series));
    chart.setSeriesHidden(series, false);
    selected.clear();
    QTest::mouseClick(chart.windowHandle(), Qt::LeftButton, {}, where);
    QCOMPARE(selected, (QList<QList<QVariant>>{{QVariant::fromValue(series), row}}));
}

// A week whose three cycles keep to the top of the plot; 智力 is critical on the second day,
// 情绪 and 体力 together on the fifth.
void tst_CycleChart::bandTodayLineAndMarkers()
{
    QList<DayRow> week;
    for (int d = 0; d < 7; ++d)
        week.append({QDate(2026, 3, 1 + d), u"%1日"_s.arg(1 + d), {60, 70, 80, 70, 70}});
    week[1].critical = 0b001;
    week[4].critical = 0b110;
    DayTableModel days;
    days.setDays(week, QDate(2026, 3, 3));
    CycleChart chart;
    chart.setModel(&days);
    chart.resize(713, 337);
    const ChartGeometry &g = chart.chartGeometry();
    const ChartStyle style = chartStyle(chart.palette());
    const auto colourAt = [&chart](qreal x, qreal y) {
        return chart.grab().toImage().pixelColor(QPointF(x, y).toPoint());
    };
    const qreal low = g.valueY(-60); // below every line
    const auto dx = [&g](int row) {
        return g.dayCentre(row) - g.slotWidth() / 3;
    };

    // The query date, the middle day, stands on the band; other days do not.
    QCOMPARE(colourAt(dx(3), low), style.selectedDay);
    QCOMPARE(colourAt(dx(5), low), style.plotBackground);

    // Today's line only while today is in the table.
    QCOMPARE(colourAt(g.dayCentre(2), low), style.todayLine);
    days.setDays(week, QDate(2027, 3, 3));
    QVERIFY(colourAt(g.dayCentre(2), low) != style.todayLine);

    // Markers on the zero line of exactly the critical days, in the critical cycles' colours.
    for (int row = 0; row < 7; ++row) {
        const QRectF marker = criticalMarkerRect(g, row, 2);
        QSet<QRgb> seen;
        for (qreal x = marker.left(); x <= marker.right(); x += 1)
            seen << colourAt(x, g.valueY(0)).rgb();
        for (int cycle = 0; cycle < 3; ++cycle) {
            const bool expected = week[row].critical & (1u << cycle);
            QVERIFY2(seen.contains(style.seriesColour(everyCycle[std::size_t(cycle)]).rgb()) ==
                         expected,
                     qPrintable(u"day %1, cycle %2"_s.arg(row).arg(cycle)));
        }
    }
}

QTEST_MAIN(tst_CycleChart)
#include "tst_cyclechart.moc"
