#include "chart/cyclechart.h"
#include "register/datepickers.h"
#include "testrunner.h"
#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace cyclara;
using cyclara::test::WindowFixture;

namespace {

const QString birthMessage = u"生日填写有误, 请重新填写"_qs;
const QString queryMessage = u"查询日期填写有误, 请重新填写"_qs;
const QString orderMessage = u"查询日期应该在生日之后, 请重新填写."_qs;

// The register the window starts with: 张三 born 1980-05-07, 李四 born 1990-12-31, in GBK.
const QByteArray zhangSanLine = QByteArray::fromHex("d5c5c8fd") + "\t1980-05-07\r\n";
const QByteArray liSiLine = QByteArray::fromHex("c0eecbc4") + "\t1990-12-31\r\n";
const QByteArray wangWuGbk = QByteArray::fromHex("cdf5cee5"); // 王五

QString focusedControl()
{
    QWidget *w = QApplication::focusWidget();
    if (w && qobject_cast<QComboBox *>(w->parentWidget()))
        w = w->parentWidget();
    return w ? w->objectName() : QString();
}

// Short texts are typed key by key, as a user would, with the list's completion running; text
// beyond ASCII arrives as an input method commits it; long texts are pasted.
void typeInto(QComboBox *picker, const QString &text)
{
    QLineEdit *edit = picker->lineEdit();
    edit->clear();
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    if (text.size() > 40) {
        edit->setText(text);
    } else if (ascii) {
        QTest::keyClicks(edit, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
    }
}

QString middleRowLabel(CycleChart *chart)
{
    chart->setRow(qint16(chart->rowCount() / 2 + 1));
    return chart->rowLabel();
}

} // namespace

class tst_BadInput : public QObject {
    Q_OBJECT
private slots:
    void typedYears_data();
    void typedYears();
    void oddNamesAreRecordedAndSaved_data();
    void oddNamesAreRecordedAndSaved();
};

void tst_BadInput::typedYears_data()
{
    QTest::addColumn<bool>("birthPicker");
    QTest::addColumn<QString>("typed");
    // A refused query: its message, and the picker that gets the focus.
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    // A query that runs: the birth date recorded, and the label of the query day.
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<QString>("queryLabel");

    const QString none;
    const QDate noDate;
    struct Refused {
        const char *row;
        QString typed;
    };
    const QList<Refused> refusedAnywhere{
        {"empty", u""_qs},
        {"letters", u"abcd"_qs},
        {"negative", u"-1"_qs},
        {"zero", u"0"_qs},
        {"two digits", u"99"_qs},
        {"five digits", u"10000"_qs},
        {"beyond 32 bits", u"99999999999"_qs},
        {"full-width digits", u"１９８０"_qs},
        {"decimal point", u"1980.5"_qs},
        {"exponent", u"1e3"_qs},
        {"32,767 digits", QString(32767, u'1')},
        {"30,000 CJK characters", QString(30000, u'年')},
    };
    for (const Refused &r : refusedAnywhere) {
        QTest::addRow("birth year: %s", r.row)
            << true << r.typed << birthMessage << u"cboYear1"_qs << noDate << none;
        QTest::addRow("query year: %s", r.row)
            << false << r.typed << queryMessage << u"cboYear2"_qs << noDate << none;
    }

    const QString padded1980 = QString(10000, u' ') + u"1980"_qs + QString(10000, u' ');
    // The query date is 2026-12-06, today; the birth date 1980-01-01 unless typed.
    QTest::newRow("birth year: blanks around")
        << true << u" 1980 "_qs << none << none << QDate(1980, 1, 1) << u"今天"_qs;
    QTest::newRow("birth year: 10,000 blanks around")
        << true << padded1980 << none << none << QDate(1980, 1, 1) << u"今天"_qs;
    QTest::newRow("birth year: first year of the list, 100")
        << true << u"100"_qs << none << none << QDate(100, 1, 1) << u"今天"_qs;
    QTest::newRow("birth year: 9999, after the query")
        << true << u"9999"_qs << orderMessage << u"cboYear2"_qs << noDate << none;
    QTest::newRow("query year: blanks around")
        << false << u" 1980 "_qs << none << none << QDate(1980, 1, 1) << u"80-12-6"_qs;
    QTest::newRow("query year: 10,000 blanks around")
        << false << padded1980 << none << none << QDate(1980, 1, 1) << u"80-12-6"_qs;
    QTest::newRow("query year: 100, before the birth")
        << false << u"100"_qs << orderMessage << u"cboYear2"_qs << noDate << none;
    QTest::newRow("query year: 9999")
        << false << u"9999"_qs << none << none << QDate(1980, 1, 1) << u"99-12-6"_qs;
}

// Each typed year is tried without a name and then with a new one. A refusal shows its message,
// moves the focus and leaves the register as it was; a query that runs records the new name.
void tst_BadInput::typedYears()
{
    QFETCH(bool, birthPicker);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QDate, birth);
    QFETCH(QString, queryLabel);

    WindowFixture fixture(zhangSanLine + liSiLine);
    frmBiorhythm &w = fixture.open();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    setPickerText(w.cboYear1, u"1980"_qs);
    w.cboMonth1->setCurrentIndex(0);
    w.cboDay1->setCurrentIndex(0);
    typeInto(birthPicker ? w.cboYear1 : w.cboYear2, typed);
    const QStringList namesBefore = w.birthRegister().names();

    for (const QString &name : {QString(), u"王五"_qs}) {
        w.cboName->setEditText(name);
        w.cboDays->setFocus();
        fixture.messages.clear();
        w.cmdGo->click();
        if (!message.isEmpty()) {
            QCOMPARE(fixture.messages, QStringList{message});
            QCOMPARE(focusedControl(), focus);
            QCOMPARE(w.birthRegister().names(), namesBefore);
        } else {
            QCOMPARE(fixture.messages, QStringList());
            QCOMPARE(middleRowLabel(w.MSChart1), queryLabel);
        }
    }

    w.close();
    QByteArray saved = zhangSanLine + liSiLine;
    if (message.isEmpty())
        saved += wangWuGbk + '\t' + birth.toString(u"yyyy-MM-dd"_qs).toLatin1() + "\r\n";
    QCOMPARE(fixture.registerBytes(), saved);
}

void tst_BadInput::oddNamesAreRecordedAndSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("line");

    const QString longName(10000, u'长');
    QByteArray longGbk;
    for (int i = 0; i < 10000; ++i)
        longGbk += "\xb3\xa4"; // 长
    QTest::newRow("10,000 characters") << longName << longGbk;
    QTest::newRow("TAB inside") << u"王\t五"_qs << QByteArray("\xcd\xf5\t\xce\xe5");
    QTest::newRow("line breaks inside") << u"王\r\n五\n"_qs << QByteArray("\xcd\xf5  \xce\xe5 ");
    QTest::newRow("control characters")
        << u"\x01王\x1b\x7f"_qs << QByteArray("\x01\xcd\xf5\x1b\x7f");
    QTest::newRow("emoji") << u"王😀"_qs << QByteArray::fromHex("cdf5 9439fc36");
    // Four-byte codes worked out by hand: 0x90 + n / 12600, 0x30 + n / 1260 % 10,
    // 0x81 + n / 10 % 126, 0x30 + n % 10, where n is the code point less 0x10000.
    QTest::newRow("rare CJK, U+20000 and U+2A6D6")
        << u"\U00020000\U0002A6D6"_qs << QByteArray::fromHex("95328236 9835f336");
}

// The odd name is recorded by the query and written between the two people already there, whose
// lines stay byte for byte as they were.
void tst_BadInput::oddNamesAreRecordedAndSaved()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, line);

    WindowFixture fixture(zhangSanLine + liSiLine);
    frmBiorhythm &w = fixture.open();
    w.cboName->setEditText(name);
    w.cmdGo->click();
    QCOMPARE(fixture.messages, QStringList());
    QCOMPARE(w.birthRegister().names(), QStringList({u"张三"_qs, u"李四"_qs, name}));
    QCOMPARE(w.birthRegister().date(name), QDate(1980, 5, 7));

    w.close();
    QCOMPARE(fixture.registerBytes(), zhangSanLine + liSiLine + line + "\t1980-05-07\r\n");
}

CYCLARA_TEST(tst_BadInput);
#include "tst_badinput.moc"
