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
    // Every year text that is no year of 100 to 9999 written in ASCII digits.
    for (const QString &year : {u""_s, u"abcd"_s, u"-1"_s, u"+1980"_s, u"0"_s, u"99"_s, u"0099"_s,
                                u"10000"_s, u"99999999999"_s, u"１９８０"_s, u"1980.5"_s, u"1e3"_s})
        QTest::addRow("year \"%s\"", qUtf8Printable(year)) << year + u"|5|7"_s << no << no;
    QTest::newRow("year of 32,767 digits") << QString(32767, u'1') + u"|5|7"_s << no << no;

    const QDate may7(1980, 5, 7);
    QTest::newRow("blanks around each") << u" 1980 | 5|7 "_s << no << may7;
    QTest::newRow("three digit month") << u"1980|005|7"_s << no << may7;
    QTest::newRow("trailing hyphen") << u"1980|05|07-"_s << no << no;
    QTest::newRow("empty month") << u"1980||7"_s << no << no;
    QTest::newRow("leap day 1980") << u"1980|2|29"_s << QDate(1980, 2, 29) << QDate(1980, 2, 29);
    QTest::newRow("leap day 1900") << u"1900|2|29"_s << no << no;
    QTest::newRow("year 9999") << u"9999|12|31"_s << QDate(9999, 12, 31) << QDate(9999, 12, 31);
    QTest::newRow("year 0100") << u"0100|01|01"_s << QDate(100, 1, 1) << QDate(100, 1, 1);
    QTest::newRow("year 100, three digits") << u"100|1|1"_s << no << QDate(100, 1, 1);
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
