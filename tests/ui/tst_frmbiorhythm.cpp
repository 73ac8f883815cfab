#include "chart/cyclechart.h"
#include "data/cyclaratexts.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;
using cyclara::test::focusedControl;
using cyclara::test::WindowFixture;

namespace {

QStringList descriptionLines()
{
    return descriptionText().split(QStringLiteral("\r\n"));
}

// Clicks the chart where it draws something: the click goes to the child widget under the spot.
void clickChart(CycleChart *chart, QPoint at)
{
    QWidget *target = chart->childAt(at);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(chart, at));
}

bool samePicture(const QLabel *a, const QLabel *b)
{
    return !a->pixmap().isNull() && a->pixmap().toImage() == b->pixmap().toImage();
}

} // namespace

class tst_frmBiorhythm : public QObject {
    Q_OBJECT
private slots:
    void startStates();
    void tabOrder();
    void enterClicksTheRightButton();
    void dayStatusOfAHandFilledGrid();
    void clickedPointsAndPlotActivation();
    void optionsChangeOnlyTheDrawing();
};

void tst_frmBiorhythm::startStates()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    QVERIFY(w.optType[1]->isChecked());
    QVERIFY(!w.optType[0]->isChecked());
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(w.chkSerias[s]->isChecked(), s <= 3);
    QVERIFY(w.chkShowExplain->isChecked());
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::LineChart));
    QCOMPARE(w.cboYear1->currentText(), u"1980"_s);
    QCOMPARE(focusedControl(), u"cboYear1"_s);
    QVERIFY(!w.lblDescription->isVisible());
    for (const QLabel *picture : w.imgSave)
        QVERIFY(!picture->isVisible());
    QVERIFY(w.picPrompt->isVisible());
}

void tst_frmBiorhythm::tabOrder()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    w.cboYear1->setFocus();

    const QStringList expected =
        u"cboMonth1 cboDay1 cboYear2 cboMonth2 cboDay2 cboDays cmdGo optType(1) chkSerias(1) "
        u"chkSerias(2) chkSerias(3) chkSerias(4) chkSerias(5) cboName cmdHelp picPrompt "
        u"chkShowExplain cboYear1"_s.split(u' ');
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusedControl();
    }
    QCOMPARE(visited, expected);
}

void tst_frmBiorhythm::enterClicksTheRightButton()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    QSignalSpy go(w.cmdGo, &QPushButton::clicked);
    QSignalSpy help(w.cmdHelp, &QPushButton::clicked);

    for (QWidget *from :
         std::initializer_list<QWidget *>{w.cboYear1, w.cboDays, w.chkSerias[2], w.cboName}) {
        from->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(go.count(), 4);
    QCOMPARE(help.count(), 0);

    // Enter in a year's text field neither adds the text to the list nor changes it.
    w.cboYear1->lineEdit()->selectAll();
    QTest::keyClicks(w.cboYear1->lineEdit(), u"1990"_s);
    QTest::keyClick(w.cboYear1->lineEdit(), Qt::Key_Return);
    QCOMPARE(go.count(), 5);
    QCOMPARE(w.cboYear1->count(), 121);
    QCOMPARE(w.cboYear1->currentText(), u"1990"_s);

    w.cmdHelp->setFocus();
    QTest::keyClick(w.cmdHelp, Qt::Key_Enter);
    QCOMPARE(help.count(), 1);
    QCOMPARE(go.count(), 5);
    if (w.helpWindow())
        w.helpWindow()->close();
}

void tst_frmBiorhythm::dayStatusOfAHandFilledGrid()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    w.MSChart1->setGrid(
        {{u"昨天"_s, {-100, 50, -30}}, {u"今天"_s, {19, 22, 27}}, {u"明天"_s, {85, -85, 0}}});
    const QStringList names{u"智力"_s, u"情绪"_s, u"体力"_s};
    for (int c = 1; c <= 3; ++c) {
        w.MSChart1->setColumn(qint16(c));
        w.MSChart1->setColumnLabel(names[c - 1]);
    }
    const QStringList lines = descriptionLines();

    w.ShowDayStatus(2, u"今天"_s);
    QCOMPARE(w.lblPrompt->text(),
             u"今天: 智力-临界(19%,59分) 情绪-临界(22%,61分) 体力-高潮(27%,63分) "_s);
    QCOMPARE(w.lblExplain[0]->text(), u"临界(19%,59分): "_s + lines[2]);
    QCOMPARE(w.lblExplain[1]->text(), u"临界(22%,61分): "_s + lines[7]);
    QCOMPARE(w.lblExplain[2]->text(), u"高潮(27%,63分): "_s + lines[11]);
    QVERIFY(samePicture(w.Image1[0], w.imgSave[1]));
    QVERIFY(samePicture(w.Image1[2], w.imgSave[0]));
    QCOMPARE(w.MSChart1->column(), qint16(3));

    w.ShowDayStatus(1, u"昨天"_s);
    QCOMPARE(w.lblExplain[0]->text(), u"低谷(-100%,0分): "_s + lines[3]);
    QCOMPARE(w.lblExplain[1]->text(), u"高潮(50%,75分): "_s + lines[6]);
    QCOMPARE(w.lblExplain[2]->text(), u"低潮(-30%,35分): "_s + lines[13]);
    QVERIFY(samePicture(w.Image1[0], w.imgSave[2]));

    // Row 0 is the middle row, and leaves the prompt line alone.
    w.MSChart1->setRow(3);
    w.ShowDayStatus(0, {});
    QVERIFY(w.lblPrompt->text().startsWith(u"昨天: "_s));
    QCOMPARE(w.MSChart1->row(), qint16(2));
    QCOMPARE(w.lblExplain[0]->text(), u"临界(19%,59分): "_s + lines[2]);
}

void tst_frmBiorhythm::clickedPointsAndPlotActivation()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    QTest::mouseClick(w.chkSerias[4], Qt::LeftButton);
    QVERIFY(!w.MSChart1->isSeriesHidden(4));

    QSignalSpy selected(w.MSChart1, &CycleChart::pointSelected);
    clickChart(w.MSChart1, w.MSChart1->pointPosition(1, 7));
    QCOMPARE(selected.count(), 1);
    const QString byCycle = w.lblPrompt->text();
    QVERIFY2(byCycle.startsWith(u"9日: 智力-"_s), qPrintable(byCycle));

    w.ShowDayStatus(0, {});
    clickChart(w.MSChart1, w.MSChart1->pointPosition(4, 7));
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.last().at(0).toInt(), 4);
    QCOMPARE(w.lblPrompt->text(), byCycle);
    QCOMPARE(w.MSChart1->row(), qint16(7));

    // Activating the plot returns the panel to the query day, the middle row.
    const QString clickedDay = w.lblExplain[0]->text();
    emit w.MSChart1->plotActivated();
    QVERIFY(w.lblPrompt->text().startsWith(u"今天: 智力-"_s));
    QCOMPARE(w.MSChart1->row(), qint16(4));
    QVERIFY(w.lblExplain[0]->text() != clickedDay);
}

void tst_frmBiorhythm::optionsChangeOnlyTheDrawing()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    emit w.MSChart1->pointSelected(1, 2);
    const QString prompt = w.lblPrompt->text();
    const QString explain = w.lblExplain[1]->text();

    QTest::mouseClick(w.optType[0], Qt::LeftButton);
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::BarChart));
    QTest::mouseClick(w.chkSerias[2], Qt::LeftButton);
    QTest::mouseClick(w.chkSerias[5], Qt::LeftButton);
    const QList<bool> expectedHidden{false, true, false, true, false};
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(w.MSChart1->isSeriesHidden(s), expectedHidden[s - 1]);
    QTest::mouseClick(w.optType[1], Qt::LeftButton);
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::LineChart));

    QCOMPARE(w.lblPrompt->text(), prompt);
    QCOMPARE(w.lblExplain[1]->text(), explain);
    QCOMPARE(w.MSChart1->row(), qint16(2));

    // A query keeps the chosen type and the hidden series.
    QTest::mouseClick(w.optType[0], Qt::LeftButton);
    w.cmdGo->click();
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::BarChart));
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(w.MSChart1->isSeriesHidden(s), expectedHidden[s - 1]);
}

QTEST_MAIN(tst_frmBiorhythm)
#include "tst_frmbiorhythm.moc"
