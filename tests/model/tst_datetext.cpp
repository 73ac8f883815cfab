#include "model/datetext.h"
#include "testrunner.h"

#include <QTest>

using namespace cyclara;

class tst_DateText : public QObject {
    Q_OBJECT
private slots:
    void registerDate_data();
    void registerDate();
    void pickerDate_data();
    void pickerDate();
};

void tst_DateText::registerDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date"); // invalid: refused

    const QDate refused;
    QTest::newRow("zero padded") << u"1980-05-07"_qs << QDate(1980, 5, 7);
    QTest::newRow("single digit month and day") << u"1980-5-7"_qs << QDate(1980, 5, 7);
    QTest::newRow("leap day of leap year") << u"1980-02-29"_qs << QDate(1980, 2, 29);
    QTest::newRow("leap day of common year") << u"1981-02-29"_qs << refused;
    QTest::newRow("leap day of 2000") << u"2000-2-29"_qs << QDate(2000, 2, 29);
    QTest::newRow("leap day of 1900") << u"1900-2-29"_qs << refused;
    QTest::newRow("April 31") << u"2006-4-31"_qs << refused;
    QTest::newRow("month 13") << u"1980-13-1"_qs << refused;
    QTest::newRow("month 0") << u"1980-0-1"_qs << refused;
    QTest::newRow("last day") << u"9999-12-31"_qs << QDate(9999, 12, 31);
    QTest::newRow("year 100") << u"0100-01-01"_qs << QDate(100, 1, 1);
    QTest::newRow("year 99") << u"0099-12-31"_qs << refused;
    QTest::newRow("year 0") << u"0000-01-01"_qs << refused;
    QTest::newRow("empty") << QString() << refused;
    QTest::newRow("two digit year") << u"80-5-7"_qs << refused;
    QTest::newRow("five digit year") << u"19800-5-7"_qs << refused;
    QTest::newRow("three digit month") << u"1980-005-7"_qs << refused;
    QTest::newRow("trailing hyphen") << u"1980-05-07-"_qs << refused;
    QTest::newRow("empty month") << u"1980--7"_qs << refused;
    QTest::newRow("empty day") << u"1980-5-"_qs << refused;
    QTest::newRow("year only") << u"1980"_qs << refused;
    QTest::newRow("leading hyphen") << u"-1980-5-7"_qs << refused;
    QTest::newRow("blank inside") << u"1980- 5-7"_qs << refused;
    QTest::newRow("full-width digits") << u"１９８０-5-7"_qs << refused;
    QTest::newRow("letters") << u"abcd-5-7"_qs << refused;
}

void tst_DateText::registerDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    const std::optional<QDate> read = registerDateFromText(text);
    QCOMPARE(read.has_value(), date.isValid());
    if (read)
        QCOMPARE(*read, date);
}

void tst_DateText::pickerDate_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QDate>("date"); // invalid: refused

    const QDate refused;
    QTest::newRow("plain") << u"1980"_qs << u"1"_qs << u"1"_qs << QDate(1980, 1, 1);
    QTest::newRow("blanks around year") << u" 1980 "_qs << u"5"_qs << u"7"_qs << QDate(1980, 5, 7);
    QTest::newRow("blanks around month and day")
        << u"1980"_qs << u" 5"_qs << u"7 "_qs << QDate(1980, 5, 7);
    QTest::newRow("leading zeros") << u"01980"_qs << u"05"_qs << u"07"_qs << QDate(1980, 5, 7);
    QTest::newRow("empty year") << QString() << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("blank year") << u"  "_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("empty month") << u"1980"_qs << QString() << u"1"_qs << refused;
    QTest::newRow("empty day") << u"1980"_qs << u"1"_qs << QString() << refused;
    QTest::newRow("letters") << u"abcd"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("negative") << u"-1"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("plus sign") << u"+1980"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("year 0") << u"0"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("two digit year not widened") << u"99"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("year 100") << u"100"_qs << u"1"_qs << u"1"_qs << QDate(100, 1, 1);
    QTest::newRow("year 9999") << u"9999"_qs << u"12"_qs << u"31"_qs << QDate(9999, 12, 31);
    QTest::newRow("year 10000") << u"10000"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("huge year") << u"99999999999"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("very long year") << QString(500, u'9') << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("full-width year") << u"１９８０"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("decimal point") << u"1980.5"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("exponent") << u"1e3"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("blank inside") << u"19 80"_qs << u"1"_qs << u"1"_qs << refused;
    QTest::newRow("month 13") << u"1980"_qs << u"13"_qs << u"1"_qs << refused;
    QTest::newRow("month 0") << u"1980"_qs << u"0"_qs << u"1"_qs << refused;
    QTest::newRow("April 31") << u"2006"_qs << u"4"_qs << u"31"_qs << refused;
    QTest::newRow("February 29 of 1980") << u"1980"_qs << u"2"_qs << u"29"_qs << QDate(1980, 2, 29);
    QTest::newRow("February 29 of 2006") << u"2006"_qs << u"2"_qs << u"29"_qs << refused;
    QTest::newRow("February 29 of 1900") << u"1900"_qs << u"2"_qs << u"29"_qs << refused;
    QTest::newRow("February 29 of 2100") << u"2100"_qs << u"2"_qs << u"29"_qs << refused;
    QTest::newRow("February 29 of 2000") << u"2000"_qs << u"2"_qs << u"29"_qs << QDate(2000, 2, 29);
}

void tst_DateText::pickerDate()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QDate, date);
    const std::optional<QDate> read = dateFromPickerTexts(year, month, day);
    QCOMPARE(read.has_value(), date.isValid());
    if (read)
        QCOMPARE(*read, date);
}

CYCLARA_TEST(tst_DateText);
#include "tst_datetext.moc"
