#include "ui/twipsplacement.h"
#include "ui/windowlayout.h"
#include "windowfixture.h"

using namespace cyclara;
using namespace cyclara::test;

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

// Where the window's controls go as it is resized, in twips, and in the window itself.
class tst_WindowLayout : public QObject {
    Q_OBJECT
private slots:
    void resizedFromTheDrawnSize();
    void rightColumnThresholds_data();
    void rightColumnThresholds();
    void explanationSwitchAndMinimising();
};

// Narrowing the window again leaves the right-hand column where it last went. A move to a
// negative height is skipped; a zero height is still a move.
void tst_WindowLayout::resizedFromTheDrawnSize()
{
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, 10995, 8865, true);
    QVERIFY(p.panelVisible);
    QCOMPARE(p.picPrompt, (TwipsBox{0, 6930, 10995, 1935}));
    QCOMPARE(p.chart, (TwipsBox{120, 1800, 10875, 5080}));
    QCOMPARE(p.lblPrompt, (TwipsBox{0, 1560, 10995, 375}));
    const TwipsBox chartBefore = p.chart;

    layOutWindow(p, 9000, 8865, true);
    QCOMPARE(p.cmdGo.left, 8740.0f);
    QCOMPARE(p.cmdHelp.left, 8740.0f);
    QCOMPARE(p.chkShowExplain.left, 8740.0f);
    QCOMPARE(p.lblHome.left, 10070.0f);
    QCOMPARE(p.chart.width, 8880.0f);

    layOutWindow(p, 10995, 3780, true);
    QCOMPARE(p.chart.height, chartBefore.height);
    QCOMPARE(p.picPrompt.top, 3780.0f - 1935.0f);
    layOutWindow(p, 10995, 1850, false);
    QCOMPARE(p.chart.height, 0.0f);
    QCOMPARE(explainLabelWidth(900, 1440), 0.0f); // a panel narrower than the faces
}

void tst_WindowLayout::rightColumnThresholds_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("cmdGoLeft"); // 帮助 is always below 查询
    QTest::addColumn<float>("chkShowExplainLeft");
    QTest::addColumn<float>("lblHomeLeft");
    QTest::newRow("9090: nothing moves") << 9090.0f << 8595.0f << 8280.0f << 10080.0f;
    QTest::newRow("9091: buttons move") << 9091.0f << 6836.0f << 8280.0f << 10080.0f;
    QTest::newRow("10405: check box stays") << 10405.0f << 8150.0f << 8280.0f << 10080.0f;
    QTest::newRow("10406: check box and link move") << 10406.0f << 8151.0f << 8151.0f << 9481.0f;
    QTest::newRow("10995, the drawn size") << 10995.0f << 8740.0f << 8740.0f << 10070.0f;
}

void tst_WindowLayout::rightColumnThresholds()
{
    QFETCH(float, width);
    WindowPlaces p = drawnPlaces();
    layOutWindow(p, width, 8865, true);
    QTEST(p.cmdGo.left, "cmdGoLeft");
    QCOMPARE(p.cmdHelp.left, p.cmdGo.left);
    QTEST(p.chkShowExplain.left, "chkShowExplainLeft");
    QTEST(p.lblHome.left, "lblHomeLeft");
}

// The switch hides the panel and gives the chart its room; minimised, the window keeps its
// places, and back, it is laid out for its size again.
void tst_WindowLayout::explanationSwitchAndMinimising()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const QRect chartWithPanel = w.MSChart1->geometry();
    for (const QLabel *label : w.lblExplain)
        QCOMPARE(float(twipsOf(label).right()), innerWidthTwips(w.picPrompt) - 100);
    QTest::mouseClick(w.chkShowExplain, Qt::LeftButton);
    QVERIFY(!w.picPrompt->isVisible());
    QCOMPARE(w.MSChart1->height(), 468); // 7015 twips
    QTest::mouseClick(w.chkShowExplain, Qt::LeftButton);
    QVERIFY(w.picPrompt->isVisible());
    QCOMPARE(w.MSChart1->geometry(), chartWithPanel);

    const QRectF panel = twipsOf(w.picPrompt);
    w.setWindowState(Qt::WindowMinimized);
    w.resize(300, 200);
    QCOMPARE(twipsOf(w.picPrompt), panel);
    w.setWindowState(Qt::WindowNoState);
    w.resize(800, 600);
    QCOMPARE(twipsOf(w.picPrompt), QRectF(0, 9000 - 1935, 12000, 1935));
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
