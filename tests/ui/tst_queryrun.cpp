#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "ui/datepickers.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;
using cyclara::test::focusedControl;
using cyclara::test::gbk;
using cyclara::test::typeInto;
using cyclara::test::WindowFixture;

namespace {

const QString birthMessage = u"生日填写有误, 请重新填写"_s;
const QString queryMessage = u"查询日期填写有误, 请重新填写"_s;
const QString orderMessage = u"查询日期应该在生日之后, 请重新填写."_s;
const QString hint = u"点击图线(柱), 可以显示该日的生物节律状况."_s;

// 张三 born 2006-01-01 and 李四 born 1890-12-31, as GBK bytes.
const QByteArray twoPeople = QByteArray::fromHex("d5c5c8fd09323030362d30312d30310d0a"
                                                 "c0eecbc409313839302d31322d33310d0a");

void pick(QComboBox *picker, int index)
{
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

void setDate(frmBiorhythm &w, bool birth, const QString &date)
{
    const QStringList parts = date.split(u'|');
    setPickerText(birth ? w.cboYear1 : w.cboYear2, parts[0]);
    setPickerText(birth ? w.cboMonth1 : w.cboMonth2, parts[1]);
    setPickerText(birth ? w.cboDay1 : w.cboDay2, parts[2]);
}

QStringList dayLabels(const DayTableModel &days)
{
    QStringList labels;
    for (const DayRow &day : days.days())
        labels << day.label;
    return labels;
}

} // namespace

class tst_QueryRun : public QObject {
    Q_OBJECT
private slots:
    void firstStartWithoutRegister();
    void startWithRegisterUsesTheFirstPerson();
    void spanPickRunsAQuery();
    void refusedQueriesChangeNothing_data();
    void refusedQueriesChangeNothing();
    void namesAreRecorded();
    void pickingANameFillsTheBirthDate();
    void firstQueryRefusedReportsOnceShown();
};

void tst_QueryRun::firstStartWithoutRegister()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    QStringList shown;
    for (const QComboBox *picker : {w.cboName, w.cboYear1, w.cboMonth1, w.cboDay1, w.cboYear2,
                                    w.cboMonth2, w.cboDay2, w.cboDays})
        shown << picker->currentText();
    QCOMPARE(shown.join(u' '), u" 1980 1 1 2026 12 6 3"_s);
    QCOMPARE(w.cboYear2->itemText(0) + w.cboYear1->itemText(120), u"20261906"_s);

    QCOMPARE(dayLabels(w.days()), QStringList({u"3日"_s, u"前天"_s, u"昨天"_s, u"今天"_s, u"明天"_s,
                                               u"后天"_s, u"9日"_s}));
    QCOMPARE(w.lblPrompt->text(), hint);
    QVERIFY(fixture.messages.isEmpty());

    w.close();
    QVERIFY(QFileInfo(fixture.registerPath()).isFile());
    QCOMPARE(fixture.registerBytes(), QByteArray());
}

void tst_QueryRun::startWithRegisterUsesTheFirstPerson()
{
    WindowFixture fixture(twoPeople, QDate(2006, 4, 11));
    frmBiorhythm &w = fixture.open();
    QCOMPARE(w.cboName->currentText(), u"张三"_s);
    QCOMPARE(w.cboName->count(), 2);
    QCOMPARE(w.cboYear1->currentText(), u"2006"_s);
    QCOMPARE(w.cboMonth1->currentText(), u"1"_s);
    QCOMPARE(w.cboDay1->currentText(), u"1"_s);

    // 100 days after birth: 19, -43, 82.
    emit w.MSChart1->plotActivated();
    QCOMPARE(w.lblPrompt->text(),
             u"今天: 智力-临界(19%,59分) 情绪-低潮(-43%,28分) 体力-高峰(82%,91分) "_s);
    QVERIFY(fixture.messages.isEmpty());

    // Closing right away writes the same people back, normalised.
    w.close();
    QCOMPARE(fixture.registerBytes(), twoPeople);
}

void tst_QueryRun::spanPickRunsAQuery()
{
    WindowFixture fixture;
    frmBiorhythm &w = fixture.open();
    pick(w.cboDays, 13);
    QCOMPARE(w.days().dayCount(), 33);
    QCOMPARE(w.days().currentRow(), 16);
    QCOMPARE(w.days().day(16).label, u"今天"_s);
    QCOMPARE(dayLabels(w.days()).first(), u"11月20日"_s);
}

void tst_QueryRun::refusedQueriesChangeNothing_data()
{
    // Dates as the pickers show them: year|month|day.
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("birth day the month lacks")
        << u"2006|4|31"_s << u"2006|4|11"_s << birthMessage << u"cboYear1"_s;
    QTest::newRow("both dates invalid: birth reported")
        << u"|1|1"_s << u"x|1|1"_s << birthMessage << u"cboYear1"_s;
    QTest::newRow("span would run past the calendar")
        << u"1980|1|1"_s << u"9999|12|30"_s << queryMessage << u"cboYear2"_s;
    QTest::newRow("query one day before birth")
        << u"2006|4|12"_s << u"2006|4|11"_s << orderMessage << u"cboYear2"_s;
}

void tst_QueryRun::refusedQueriesChangeNothing()
{
    QFETCH(QString, birth);
    QFETCH(QString, query);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    WindowFixture fixture;
    frmBiorhythm &w = fixture.open(true);
    w.cboName->setEditText(u"新人"_s);
    const QStringList rowsBefore = dayLabels(w.days());
    const QString explainBefore = w.lblExplain[0]->text();
    w.cmdHelp->setFocus();

    setDate(w, true, birth);
    setDate(w, false, query);
    w.cmdGo->click();

    QCOMPARE(fixture.messages, QStringList{message});
    QCOMPARE(fixture.icons.first(), QMessageBox::Information);
    QCOMPARE(focusedControl(), focus);
    QCOMPARE(dayLabels(w.days()), rowsBefore);
    QCOMPARE(w.lblPrompt->text(), hint);
    QCOMPARE(w.lblExplain[0]->text(), explainBefore);
    QVERIFY(w.birthRegister().isEmpty());
    QCOMPARE(w.cboName->count(), 0);

    // The query date stays the last accepted one: the middle day is still today.
    emit w.MSChart1->plotActivated();
    QVERIFY(w.lblPrompt->text().startsWith(u"今天: "_s));
}

// Typed names are recorded without blanks at their ends and as they are otherwise (case kept); a
// name with a blank inside would read back as its last word, so that query is refused.
void tst_QueryRun::namesAreRecorded()
{
    WindowFixture fixture(gbk(u"王五\t1970-01-01\r\n"_s));
    frmBiorhythm &w = fixture.open(true);
    const auto query = [&](const QString &name, const QString &year) {
        typeInto(w.cboName, name);
        typeInto(w.cboYear1, year);
        QTest::keyClick(w.cboYear1, Qt::Key_Return);
    };
    query(u"Wang"_s, u"1981"_s);
    query(u"wang"_s, u"1982"_s);
    query(u" 王五 "_s, u"1983"_s);
    QVERIFY(fixture.messages.isEmpty());
    QCOMPARE(w.cboName->currentText(), u"王五"_s);

    query(u"Li Lei"_s, u"1985"_s);
    QCOMPARE(fixture.messages, QStringList{u"姓名中不能含有空格, 请重新填写"_s});
    QCOMPARE(focusedControl(), u"cboName"_s);

    const QStringList names{u"王五"_s, u"Wang"_s, u"wang"_s};
    QCOMPARE(w.birthRegister().names(), names);
    QStringList listed;
    for (int i = 0; i < w.cboName->count(); ++i)
        listed << w.cboName->itemText(i);
    QCOMPARE(listed, names);

    w.close();
    const QByteArray saved = gbk(u"王五\t1983-01-01\r\nWang\t1981-01-01\r\nwang\t1982-01-01\r\n"_s);
    QCOMPARE(fixture.registerBytes(), saved);
    QCOMPARE(fixture.open().birthRegister().names(), names);
}

void tst_QueryRun::pickingANameFillsTheBirthDate()
{
    WindowFixture fixture(twoPeople);
    frmBiorhythm &w = fixture.open();
    pick(w.cboName, 1);
    // Born before the year list begins: the year shows, no list item is selected.
    QCOMPARE(w.cboYear1->currentText(), u"1890"_s);
    QCOMPARE(w.cboYear1->currentIndex(), -1);
    QCOMPARE(w.cboMonth1->currentText(), u"12"_s);
    QCOMPARE(w.cboDay1->currentText(), u"31"_s);
    QCOMPARE(w.lblPrompt->text(), hint);

    // Typing a known name changes no picker; the query then records the pickers' date.
    w.cboName->setEditText(u"张三"_s);
    QCOMPARE(w.cboYear1->currentText(), u"1890"_s);
    w.cmdGo->click();
    QCOMPARE(w.birthRegister().date(u"张三"_s), QDate(1890, 12, 31));
    QCOMPARE(w.birthRegister().names(), QStringList({u"张三"_s, u"李四"_s}));
}

void tst_QueryRun::firstQueryRefusedReportsOnceShown()
{
    WindowFixture fixture(QByteArray("Later\t2027-01-01\r\n"));
    frmBiorhythm &w = fixture.open();
    QVERIFY(fixture.messages.isEmpty());
    QCOMPARE(w.lblPrompt->text(), u"生物曲线"_s);

    WindowFixture::showAndActivate(&w);
    QTRY_COMPARE(fixture.messages, QStringList{orderMessage});
    QCOMPARE(focusedControl(), u"cboYear2"_s);
}

QTEST_MAIN(tst_QueryRun)
#include "tst_queryrun.moc"
