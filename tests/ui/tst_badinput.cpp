#include "chart/cyclechart.h"
#include "model/daytablemodel.h"
#include "windowfixture.h"

#include <QPushButton>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

const QString birthMessage = u"生日填写有误, 请重新填写"_s;
const QString queryMessage = u"查询日期填写有误, 请重新填写"_s;
const QString orderMessage = u"查询日期应该在生日之后, 请重新填写."_s;
// The register the window starts with, in GBK; 张三 is picked at start, so the birth date is his.
const QByteArray startLines = QByteArray::fromHex("d5c5c8fd") + "\t1980-05-07\r\n" +
                              QByteArray::fromHex("c0eecbc4") + "\t1990-12-31\r\n";

class tst_BadInput : public QObject {
    Q_OBJECT
private slots:
    void typedYears_data();
    void typedYears();
    void oddNamesAreRecordedAndSaved();
};

void tst_BadInput::typedYears_data()
{
    // The message from each picker (none: the query runs), and the year a running query takes.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inBirth");
    QTest::addColumn<QString>("inQuery");
    QTest::addColumn<int>("year");

    for (const QString &typed : {u""_s, u"abcd"_s, u"-1"_s, u"0"_s, u"99"_s, u"10000"_s,
                                 u"99999999999"_s, u"１９８０"_s, u"1980.5"_s, u"1e3"_s})
        QTest::addRow("\"%s\"", qUtf8Printable(typed))
            << typed << birthMessage << queryMessage << 0;
    QTest::newRow("32,767 digits") << QString(32767, u'1') << birthMessage << queryMessage << 0;
    QTest::newRow("blanks around") << u" 1980 "_s << QString() << QString() << 1980;
    QTest::newRow("100, before any query") << u"100"_s << QString() << orderMessage << 100;
    QTest::newRow("9999, after any birth") << u"9999"_s << orderMessage << QString() << 9999;
}

// The text goes into each year picker in turn, with a new name entered. A refusal shows its
// message, moves the focus and leaves chart and register alone; a query that runs records 王五.
void tst_BadInput::typedYears()
{
    QFETCH(QString, typed);
    QFETCH(QString, inBirth);
    QFETCH(QString, inQuery);
    QFETCH(int, year);

    for (const bool birthPicker : {true, false}) {
        const QString message = birthPicker ? inBirth : inQuery;
        WindowFixture fixture(startLines);
        frmBiorhythm &w = fixture.open(true);
        const auto chartMiddleRow = [&days = w.days()] {
            const DayRow &middle = days.day(days.middleRow());
            return QStringList{middle.label, valueText(middle.values[0])};
        };
        const QStringList chartBefore = chartMiddleRow();
        (birthPicker ? w.cboYear1 : w.cboYear2)->setEditText(typed);
        w.cboName->setEditText(u"王五"_s);
        w.cboDays->setFocus();
        w.cmdGo->click();

        QCOMPARE(fixture.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.birthRegister().date(u"王五"_s),
                 message.isEmpty() ? QDate(birthPicker ? year : 1980, 5, 7) : QDate());
        if (message.isEmpty()) {
            QCOMPARE(chartMiddleRow().first(),
                     birthPicker ? u"今天"_s : u"%1-12-6"_s.arg(year % 100));
        } else {
            QCOMPARE(focusedControl(), message == birthMessage ? u"cboYear1"_s : u"cboYear2"_s);
            QCOMPARE(chartMiddleRow(), chartBefore);
        }
    }
}

// How each name is encoded is the register file's business; here the window records every name
// that reads back, refuses those with white space inside, and the two people already there keep
// their lines byte for byte.
void tst_BadInput::oddNamesAreRecordedAndSaved()
{
    const QStringList recorded{QString(10000, u'长'), u"王\x1b五"_s, u"王😀"_s, u"\U00020000"_s};
    const QStringList refused{u"王\t五"_s, u"王\r\n五"_s};
    WindowFixture fixture(startLines);
    frmBiorhythm &w = fixture.open(true);
    for (const QString &name : recorded + refused) {
        w.cboName->setEditText(name);
        w.cmdGo->click();
    }
    QCOMPARE(fixture.messages.size(), refused.size());
    QCOMPARE(w.birthRegister().names(), QStringList({u"张三"_s, u"李四"_s}) + recorded);

    w.close();
    const QByteArray saved = fixture.registerBytes();
    QVERIFY(saved.startsWith(startLines));
    QCOMPARE(saved.count('\n'), 2 + recorded.size());
    QCOMPARE(saved.mid(startLines.size()).count("\t1980-05-07\r\n"), recorded.size());
}

QTEST_MAIN(tst_BadInput)
#include "tst_badinput.moc"
