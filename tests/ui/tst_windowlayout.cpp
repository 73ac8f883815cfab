// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windowlayout.h"

#include <QTest>

using namespace cyclara;

// Where the right-hand column goes as the window is resized: it follows the right edge only
// while the window is wide enough to keep it clear of the controls on its left.
class tst_WindowLayout : public QObject {
    Q_OBJECT
private slots:
    void rightColumnThresholds_data();
    void rightColumnThresholds();
};

void tst_WindowLayout::rightColumnThresholds_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("queryButtonLeft"); // 帮助 is always below 查询
    QTest::addColumn<float>("explanationSwitchLeft");
    QTest::addColumn<float>("homeLinkLeft");
    QTest::newRow("9090: nothing moves") << 9090.0f << 8595.0f << 8280.0f << 10080.0f;
    QTest::newRow("9091: buttons move") << 9091.0f << 6836.0f << 8280.0f << 10080.0f;
    QTest::newRow("10405: check box stays") << 10405.0f << 8150.0f << 8280.0f << 10080.0f;
    QTest::newRow("10406: check box and link move") << 10406.0f << 8151.0f << 8151.0f << 9481.0f;
}

void tst_WindowLayout::rightColumnThresholds()
{
    QFETCH(float, width);
    WindowPlaces p;
    p.panel = {120, 6960, 10695, 1935};
    p.chart = {120, 1800, 10695, 5055};
    p.prompt = {120, 1560, 9495, 375};
    p.queryButton = {8595, 120, 2055, 420};
    p.helpButton = {8610, 645, 2055, 420};
    p.explanationSwitch = {8280, 1200, 1230, 255};
    p.homeLink = {10080, 1200, 660, 240};
    p.personName = {5310, 180, 1425, 330};
    p.lastSeriesCheck = {6720, 1200, 1230, 255};
    layOutWindow(p, width, 8865, true);
    QTEST(p.queryButton.left, "queryButtonLeft");
    QCOMPARE(p.helpButton.left, p.queryButton.left);
    QTEST(p.explanationSwitch.left, "explanationSwitchLeft");
    QTEST(p.homeLink.left, "homeLinkLeft");
    QCOMPARE(p.chart.right(), width); // the chart reaches the right edge
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
