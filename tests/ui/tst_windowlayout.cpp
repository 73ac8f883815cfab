#include "ui/windowlayout.h"

#include <QTest>

using namespace cyclara;

namespace {

// The places the window is drawn with.
WindowPlaces drawnPlaces()
{
    WindowPlaces p;
    p.picPrompt = {120, 6960, 10695, 1935};
    p.chart = {120, 1800, 10695, 5055};
    p.lblPrompt = {120, 1560, 9495, 375};
    p.cmdGo = {8595, 120, 2055, 420};
    p.cmdHelp = {8610, 645, 2055, 420};
    p.chkShowExplain = {8280, 1200, 1230, 255};
    p.lblHome = {10080, 1200, 660, 240};
    p.cboName = {5310, 180, 1425, 330};
    p.chkSerias5 = {6720, 1200, 1230, 255};
    return p;
}

} // namespace

class tst_WindowLayout : public QObject {
    Q_OBJECT
private slots:
    void designSizeWithPanel();
    void rightColumnThresholds_data();
    void rightColumnThresholds();
    void narrowingKeepsTheLastPlaces();
    void tooShortForTheChart();
    void explainLabelWidths_data();
    void explainLabelWidths();
};

void tst_WindowLayout::designSizeWithPanel()
{
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, 10995, 8865, true);
    QVERIFY(p.panelVisible);
    QCOMPARE(p.picPrompt, (TwipsBox{0, 6930, 10995, 1935}));
    QCOMPARE(p.chart, (TwipsBox{120, 1800, 10875, 5080}));
    QCOMPARE(p.lblPrompt, (TwipsBox{0, 1560, 10995, 375}));
    QCOMPARE(p.cmdGo.left, 8740.0f);
    QCOMPARE(p.cmdHelp.left, 8740.0f);
    QCOMPARE(p.chkShowExplain.left, 8740.0f);
    QCOMPARE(p.lblHome.left, 10070.0f);

    const WindowPlaces shown = p;
    layOutWindow(p, 10995, 8865, false);
    QVERIFY(!p.panelVisible);
    QCOMPARE(p.chart, (TwipsBox{120, 1800, 10875, 7015}));
    layOutWindow(p, 10995, 8865, true);
    QCOMPARE(p, shown);
}

void tst_WindowLayout::rightColumnThresholds_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("cmdGoLeft");
    QTest::addColumn<float>("cmdHelpLeft");
    QTest::addColumn<float>("chkShowExplainLeft");
    QTest::addColumn<float>("lblHomeLeft");

    QTest::newRow("9090: nothing moves, help aligns")
        << 9090.0f << 8595.0f << 8595.0f << 8280.0f << 10080.0f;
    QTest::newRow("9091: buttons move") << 9091.0f << 6836.0f << 6836.0f << 8280.0f << 10080.0f;
    QTest::newRow("10405: check box stays")
        << 10405.0f << 8150.0f << 8150.0f << 8280.0f << 10080.0f;
    QTest::newRow("10406: check box and link move")
        << 10406.0f << 8151.0f << 8151.0f << 8151.0f << 9481.0f;
    QTest::newRow("8245.5 rounds up to the even 8246")
        << 10500.5f << 8246.0f << 8246.0f << 8246.0f << 9576.0f;
    QTest::newRow("8246.5 rounds down to the even 8246")
        << 10501.5f << 8246.0f << 8246.0f << 8246.0f << 9576.0f;
}

void tst_WindowLayout::rightColumnThresholds()
{
    QFETCH(float, width);
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, width, 8865, true);
    QTEST(p.cmdGo.left, "cmdGoLeft");
    QTEST(p.cmdHelp.left, "cmdHelpLeft");
    QTEST(p.chkShowExplain.left, "chkShowExplainLeft");
    QTEST(p.lblHome.left, "lblHomeLeft");
}

void tst_WindowLayout::narrowingKeepsTheLastPlaces()
{
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, 10995, 8865, true);
    layOutWindow(p, 9000, 8865, true);
    QCOMPARE(p.cmdGo.left, 8740.0f);
    QCOMPARE(p.cmdHelp.left, 8740.0f);
    QCOMPARE(p.chkShowExplain.left, 8740.0f);
    QCOMPARE(p.lblHome.left, 10070.0f);
    QCOMPARE(p.chart.width, 8880.0f);
}

void tst_WindowLayout::tooShortForTheChart()
{
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, 10995, 8865, true);
    const TwipsBox chartBefore = p.chart;

    layOutWindow(p, 10995, 3780, true);
    QCOMPARE(p.chart, chartBefore);
    QCOMPARE(p.picPrompt.top, 3780.0f - 1935.0f);

    // A zero height is still a valid move.
    layOutWindow(p, 10995, 1850, false);
    QCOMPARE(p.chart.height, 0.0f);
    layOutWindow(p, 10995, 1849, false);
    QCOMPARE(p.chart.height, 0.0f);
}

void tst_WindowLayout::explainLabelWidths_data()
{
    QTest::addColumn<float>("innerWidth");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("width");
    QTest::newRow("wide panel") << 10935.0f << 1440.0f << 9395.0f;
    QTest::newRow("exactly room for the gap") << 1540.0f << 1440.0f << 0.0f;
    QTest::newRow("narrower than the label's left") << 900.0f << 1440.0f << 0.0f;
}

void tst_WindowLayout::explainLabelWidths()
{
    QFETCH(float, innerWidth);
    QFETCH(float, left);
    QFETCH(float, width);
    QCOMPARE(explainLabelWidth(innerWidth, left), width);
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
