#include "chart/cyclechart.h"
#include "data/cyclaratexts.h"
#include "model/daytablemodel.h"
#include "ui/datepickers.h"
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

// Clicks the chart where it draws something, as the platform delivers a click to the window.
void clickChart(CycleChart *chart, QPoint at)
{
    QTest::mouseClick(chart->window()->windowHandle(), Qt::LeftButton, {},
                      chart->mapTo(chart->window(), at));
}

} // namespace

class tst_frmBiorhythm : public QObject {
    Q_OBJECT
private slots:
    void startStates();
    void tabOrder();
    void enterClicksTheRightButton();
    void dayStatusOfKnownDays();
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

// Born the day before today: the middle day is day 1 of life (19, 22, 27), the first day is day
// -2 (-37, -43, -52).
void tst_frmBiorhythm::dayStatusOfKnownDays()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    setPickerText(w.cboYear1, u"2026"_s);
    setPickerText(w.cboMonth1, u"12"_s);
    setPickerText(w.cboDay1, u"5"_s);
    w.cmdGo->click();
    const QStringList lines = descriptionLines();

    w.ShowDayStatus(4, u"今天"_s);
    QCOMPARE(w.lblPrompt->text(),
             u"今天: 智力-临界(19%,59分) 情绪-临界(22%,61分) 体力-高潮(27%,63分) "_s);
    QCOMPARE(w.lblExplain[0]->text(), u"临界(19%,59分): "_s + lines[2]);
    QCOMPARE(w.lblExplain[1]->text(), u"临界(22%,61分): "_s + lines[7]);
    QCOMPARE(w.lblExplain[2]->text(), u"高潮(27%,63分): "_s + lines[11]);
    const QImage critical = w.Image1[0]->pixmap().toImage();
    QVERIFY(!critical.isNull());
    QCOMPARE(w.Image1[1]->pixmap().toImage(), critical);
    QVERIFY(w.Image1[2]->pixmap().toImage() != critical);

    w.ShowDayStatus(1, u"前天"_s);
    QCOMPARE(w.lblExplain[0]->text(), u"低潮(-37%,31分): "_s + lines[3]);
    QCOMPARE(w.lblExplain[1]->text(), u"低潮(-43%,28分): "_s + lines[8]);
    QCOMPARE(w.lblExplain[2]->text(), u"低潮(-52%,24分): "_s + lines[13]);
    const QImage low = w.Image1[0]->pixmap().toImage();
    QVERIFY(low != critical);
    QCOMPARE(w.Image1[2]->pixmap().toImage(), low);

    // Row 0 is the middle day, and leaves the prompt line alone.
    w.ShowDayStatus(0, {});
    QVERIFY(w.lblPrompt->text().startsWith(u"前天: "_s));
    QCOMPARE(w.days().currentRow(), 3);
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
    QCOMPARE(w.days().currentRow(), 6);

    // Activating the plot returns the panel to the query day, the middle row.
    const QString clickedDay = w.lblExplain[0]->text();
    emit w.MSChart1->plotActivated();
    QVERIFY(w.lblPrompt->text().startsWith(u"今天: 智力-"_s));
    QCOMPARE(w.days().currentRow(), 3);
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
    QCOMPARE(w.days().currentRow(), 1);

    // A query keeps the chosen type and the hidden series.
    QTest::mouseClick(w.optType[0], Qt::LeftButton);
    w.cmdGo->click();
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::BarChart));
    for (int s = 1; s <= 5; ++s)
        QCOMPARE(w.MSChart1->isSeriesHidden(s), expectedHidden[s - 1]);
}

QTEST_MAIN(tst_frmBiorhythm)
#include "tst_frmbiorhythm.moc"
