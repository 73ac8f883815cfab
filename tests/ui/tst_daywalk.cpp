#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "windowfixture.h"

#include <QAccessible>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

QString dayShown(const frmBiorhythm &w)
{
    return w.lblPrompt->text().section(u':', 0, 0);
}

} // namespace

// Days chosen with the keyboard, and what a screen reader hears.
class tst_DayWalk : public QObject {
    Q_OBJECT
private slots:
    void keysWalkTheDays_data();
    void keysWalkTheDays();
    void controlsSayWhatTheyAre();
    void theChartTellsTheDayShown();
};

void tst_DayWalk::keysWalkTheDays_data()
{
    QTest::addColumn<QString>("from"); // the control that has the focus
    QTest::newRow("the chart, after a click on it") << u"MSChart1"_s;
    QTest::newRow("the panel, a tab stop") << u"picPrompt"_s;
}

// At the default query (today, span 3): Right shows 明天 exactly as a click on it would, Home the
// first day, End the last, Left one day back; the band follows.
void tst_DayWalk::keysWalkTheDays()
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

void tst_DayWalk::controlsSayWhatTheyAre()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const std::pair<QWidget *, QString> expected[] = {
        {w.cboYear1, u"出生年"_s},    {w.cboMonth1, u"出生月"_s},   {w.cboDay1, u"出生日"_s},
        {w.cboYear2, u"查询年"_s},    {w.cboMonth2, u"查询月"_s},   {w.cboDay2, u"查询日"_s},
        {w.cboDays, u"前后天数"_s},   {w.cboName, u"姓名"_s},       {w.MSChart1, u"生物节律图"_s},
        {w.Image1[0], u"智力状况"_s}, {w.Image1[1], u"情绪状况"_s}, {w.Image1[2], u"体力状况"_s},
    };
    for (const auto &[control, name] : expected)
        QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), name);
    QCOMPARE(QAccessible::queryAccessibleInterface(w.Image1[0])->text(QAccessible::Description),
             w.lblExplain[0]->text().section(u':', 0, 0));
}

// The chart's description is the day shown, as the prompt line tells it, after every move;
// Alt+Right walks the days from any control.
void tst_DayWalk::theChartTellsTheDayShown()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    const auto description = [&w] {
        return QAccessible::queryAccessibleInterface(w.MSChart1)->text(QAccessible::Description);
    };
    QVERIFY(description().startsWith(u"今天: 智力-"_s));
    w.cboYear1->setFocus();
    QTest::keyClick(w.cboYear1, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(description(), w.lblPrompt->text());
    QVERIFY(description().startsWith(u"明天: "_s));
}

QTEST_MAIN(tst_DayWalk)
#include "tst_daywalk.moc"
