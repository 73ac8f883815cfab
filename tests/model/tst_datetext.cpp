#include "model/datetext.h"

#include <QTest>

using namespace Qt::StringLiterals;

using namespace cyclara;

class tst_DateText : public QObject {
    Q_OBJECT
private slots:
    void dates_data();
    void dates();
};

void tst_DateText::dates_data()
{
    // Year, month and day as typed into the pickers, split by "|"; joined by hyphens they are
    // the register's date text. An invalid date means refused.
    QTest::addColumn<QString>("texts");
    QTest::addColumn<QDate>("fromRegister");
    QTest::addColumn<QDate>("fromPickers");

    const QDate no;
    const QDate may7(1980, 5, 7);
    QTest::newRow("zero padded") << u"1980|05|07"_s << may7 << may7;
    QTest::newRow("single digit month and day") << u"1980|5|7"_s << may7 << may7;
    QTest::newRow("leap day 1980") << u"1980|2|29"_s << QDate(1980, 2, 29) << QDate(1980, 2, 29);
    QTest::newRow("leap day 1981") << u"1981|2|29"_s << no << no;
    QTest::newRow("leap day 1900") << u"1900|2|29"_s << no << no;
    QTest::newRow("April 31") << u"2006|4|31"_s << no << no;
    QTest::newRow("year 9999") << u"9999|12|31"_s << QDate(9999, 12, 31) << QDate(9999, 12, 31);
    QTest::newRow("year 0100") << u"0100|01|01"_s << QDate(100, 1, 1) << QDate(100, 1, 1);
    QTest::newRow("year 100, three digits") << u"100|1|1"_s << no << QDate(100, 1, 1);
    QTest::newRow("year 0099") << u"0099|12|31"_s << no << no;
    QTest::newRow("year 99 not widened") << u"99|1|1"_s << no << no;
    QTest::newRow("year 0") << u"0|1|1"_s << no << no;
    QTest::newRow("year 10000") << u"10000|1|1"_s << no << no;
    QTest::newRow("huge year") << u"99999999999|1|1"_s << no << no;
    QTest::newRow("empty year") << u"|1|1"_s << no << no;
    QTest::newRow("letters") << u"abcd|1|1"_s << no << no;
    QTest::newRow("negative year") << u"-1|1|1"_s << no << no;
    QTest::newRow("plus sign") << u"+1980|1|1"_s << no << no;
    QTest::newRow("full-width digits") << u"１９８０|1|1"_s << no << no;
    QTest::newRow("decimal point") << u"1980.5|1|1"_s << no << no;
    QTest::newRow("exponent") << u"1e3|1|1"_s << no << no;
    QTest::newRow("blanks around year") << u" 1980 |5|7"_s << no << may7;
    QTest::newRow("blanks around month and day") << u"1980| 5|7 "_s << no << may7;
    QTest::newRow("three digit month") << u"1980|005|7"_s << no << may7;
    QTest::newRow("trailing hyphen") << u"1980|05|07-"_s << no << no;
    QTest::newRow("empty month") << u"1980||7"_s << no << no;
}

void tst_DateText::dates()
{
    QFETCH(QString, texts);
    QFETCH(QDate, fromRegister);
    QFETCH(QDate, fromPickers);
    const QStringList parts = texts.split(u'|');
    QCOMPARE(registerDateFromText(parts.join(u'-')).value_or(QDate()), fromRegister);
    QCOMPARE(dateFromPickerTexts(parts[0], parts[1], parts[2]).value_or(QDate()), fromPickers);
}

QTEST_GUILESS_MAIN(tst_DateText)
#include "tst_datetext.moc"
