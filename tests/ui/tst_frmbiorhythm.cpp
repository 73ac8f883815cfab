#include "data/cyclaratexts.h"
#include "ui/homepage.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

QString dayShown(const frmBiorhythm &w)
{
    return w.lblPrompt->text().section(u':', 0, 0);
}

} // namespace

// The window's buttons, the day shown on the status line and the panel, chosen by mouse or
// keyboard, what a screen reader hears, and the help and home page.
class tst_frmBiorhythm : public QObject {
    Q_OBJECT
private slots:
    void dayStatusOfKnownDays();
    void optionsChangeOnlyTheDrawing();
    void keysWalkTheDays_data();
    void keysWalkTheDays();
    void screenReaderHearsWhatIsShown();
    void helpAndHomePage();
};

// Born the day before today: the middle day is day 1 of life (19, 22, 27), the first day is day
// -2 (-37, -43, -52).
void tst_frmBiorhythm::dayStatusOfKnownDays()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    queryFor(w, QDate(2026, 12, 5));
    const QStringList lines = descriptionText().split(u"\r\n"_s);

    w.ShowDayStatus(4, u"今天"_s);
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
}

// The chart type and the series shown follow the options from the start, change nothing else,
// and stay through a query.
void tst_frmBiorhythm::optionsChangeOnlyTheDrawing()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const auto hidden = [&w] {
        QList<bool> seriesHidden;
        for (int s = 1; s <= 5; ++s)
            seriesHidden << w.MSChart1->isSeriesHidden(s);
        return seriesHidden;
    };
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::LineChart));
    QCOMPARE(hidden(), QList<bool>({false, false, false, true, true}));
    emit w.MSChart1->pointSelected(1, 2);
    const QString prompt = w.lblPrompt->text();
    const QString explain = w.lblExplain[1]->text();

    QTest::mouseClick(w.optType[0], Qt::LeftButton);
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::BarChart));
    QTest::mouseClick(w.chkSerias[2], Qt::LeftButton);
    QTest::mouseClick(w.chkSerias[5], Qt::LeftButton);
    const QList<bool> chosen{false, true, false, true, false};
    QCOMPARE(hidden(), chosen);
    QCOMPARE(w.lblPrompt->text(), prompt);
    QCOMPARE(w.lblExplain[1]->text(), explain);
    QCOMPARE(w.days().currentRow(), 1);

    w.cmdGo->click();
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::BarChart));
    QCOMPARE(hidden(), chosen);
    QTest::mouseClick(w.optType[1], Qt::LeftButton);
    QCOMPARE(w.MSChart1->chartType(), qint32(CycleChart::LineChart));
}

void tst_frmBiorhythm::keysWalkTheDays_data()
{
    QTest::addColumn<QString>("from"); // the control that has the focus
    QTest::newRow("the chart, after a click on it") << u"MSChart1"_s;
    QTest::newRow("the panel, a tab stop") << u"picPrompt"_s;
}

// At the default query (today, span 3): Right shows 明天 exactly as a click on it would, Home the
// first day, End the last, Left one day back; the band follows.
void tst_frmBiorhythm::keysWalkTheDays()
{
    QFETCH(QString, from);
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    auto *target = w.findChild<QWidget *>(from);
    if (from == u"MSChart1"_s)
        QTest::mouseClick(w.MSChart1, Qt::LeftButton, {}, QPoint(5, w.MSChart1->height() - 3));
    else
        target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key_Right);
    const QString byKey = w.lblPrompt->text();
    QVERIFY2(byKey.startsWith(u"明天: 智力-"_s), qPrintable(byKey));
    QCOMPARE(w.days().currentRow(), 4);
    emit w.MSChart1->pointSelected(2, 5);
    QCOMPARE(w.lblPrompt->text(), byKey);

    QTest::keyClick(target, Qt::Key_Home);
    QCOMPARE(dayShown(w), u"3日"_s);
    QTest::keyClick(target, Qt::Key_Left); // stays at the first day
    QCOMPARE(w.days().currentRow(), 0);
    QTest::keyClick(target, Qt::Key_End);
    QCOMPARE(dayShown(w), u"9日"_s);
    QTest::keyClick(target, Qt::Key_Left);
    QCOMPARE(dayShown(w), u"后天"_s);
}

// Pickers are named for what they are, not for the value they show; a face by its cycle, with its
// status; the chart by the day shown, as the prompt line tells it, after every move (Alt+Right
// walks the days from any control).
void tst_frmBiorhythm::screenReaderHearsWhatIsShown()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const auto heard = [](QWidget *control, QAccessible::Text kind = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(control)->text(kind);
    };
    QCOMPARE(heard(w.cboYear1), u"出生年"_s);
    QCOMPARE(heard(w.cboDays), u"前后天数"_s);
    QCOMPARE(heard(w.Image1[2]), u"体力状况"_s);
    QCOMPARE(heard(w.Image1[0], QAccessible::Description),
             w.lblExplain[0]->text().section(u':', 0, 0));
    QVERIFY(heard(w.MSChart1, QAccessible::Description).startsWith(u"今天: 智力-"_s));

    w.cboYear1->setFocus();
    QTest::keyClick(w.cboYear1, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(dayShown(w), u"明天"_s);
    QCOMPARE(heard(w.MSChart1, QAccessible::Description), w.lblPrompt->text());
}

// One help window at a time, its text filling it and not editable; closed, it is discarded, and it
// closes with the main window. The home link opens the page on a click, and nothing is said
// whether a browser opens or not; a press that ends outside the link is no click.
void tst_frmBiorhythm::helpAndHomePage()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    // Enter (here the keypad's) clicks 帮助 while it has the focus; elsewhere it queries.
    w.cmdHelp->setFocus();
    QTest::keyClick(w.cmdHelp, Qt::Key_Enter);
    QPointer<dlgBioHelp> help = w.helpWindow();
    QVERIFY(help && QTest::qWaitForWindowExposed(help));
    w.cmdHelp->click();
    QCOMPARE(w.findChildren<dlgBioHelp *>(), QList<dlgBioHelp *>{help});
    help->resize(1000, 200);
    QCOMPARE(help->Text1->geometry(), help->rect());
    const QString text = help->Text1->toPlainText();
    help->Text1->setFocus();
    QTest::keyClicks(help->Text1, u"abc"_s);
    QTest::keyClick(help->Text1, Qt::Key_Backspace);
    QCOMPARE(help->Text1->toPlainText(), text);
    help->close();
    QTRY_VERIFY(help.isNull());
    w.cmdHelp->click();
    help = w.helpWindow();

    QTest::mouseClick(w.lblHome, Qt::LeftButton);
    QCOMPARE(fixture.openedUrls, QList<QUrl>{homePageUrl()});
    QTest::mousePress(w.lblHome, Qt::LeftButton);
    QTest::mouseRelease(w.lblHome, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(fixture.openedUrls.size(), 1);
    QVERIFY(fixture.messages.isEmpty());

    w.close();
    QTRY_VERIFY(help.isNull());
}

QTEST_MAIN(tst_frmBiorhythm)
#include "tst_frmbiorhythm.moc"
