// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/tablewriter.h"
#include "model/criticaldayscalendar.h"
#include "model/daytableexport.h"
#include "translations/language.h"

#include <QTest>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using namespace cyclara;

Q_DECLARE_METATYPE(cyclara::TableFormat)
Q_DECLARE_METATYPE(cyclara::Language)

namespace {

const QDate birth(1990, 4, 12);
const QDate today(2026, 6, 18);
const QDateTime stamp(QDate(2026, 6, 18), QTime(8, 30), QTimeZone::utc());
const std::pair<const char *, TableFormat> formats[] = {{"text", TableFormat::Text},
                                                        {"csv", TableFormat::Csv},
                                                        {"json", TableFormat::Json},
                                                        {"ics", TableFormat::Calendar}};

QByteArray wholeTable(TableFormat format, const QDate &first, const QDate &last)
{
    switch (format) {
    case TableFormat::Text:
        return dayTableText(buildDayRange(birth, first, last, today));
    case TableFormat::Csv:
        return dayTableCsv(buildDayRange(birth, first, last, today));
    case TableFormat::Json: {
        DayTableJson json;
        QByteArray bytes = json.head() + json.rows(buildDayRange(birth, first, last, {}));
        return bytes + json.tail();
    }
    case TableFormat::Calendar:
        return CriticalDaysCalendar(u"张三"_s, birth, stamp).calendar(first, last);
    }
    return {};
}

} // namespace

// A table written block by block while its days are worked out is the table written whole, in
// every form and language, however its days fall into blocks.
class tst_TableWriter : public QObject {
    Q_OBJECT
private slots:
    void blocksMakeTheWholeTable_data();
    void blocksMakeTheWholeTable();
    void stopsAtTheFirstRefusedPiece_data();
    void stopsAtTheFirstRefusedPiece();
};

void tst_TableWriter::blocksMakeTheWholeTable_data()
{
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<Language>("language");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    const std::pair<const char *, Language> languages[] = {{"zh_CN", Language::SimplifiedChinese},
                                                           {"en", Language::English}};
    // Labels of today, this month, this year and other years (of other widths) in other blocks.
    const std::pair<const char *, std::pair<QDate, QDate>> ranges[] = {
        {"one day", {today, today}},
        {"a block and a day", {today.addDays(-300), today.addDays(212)}},
        {"four blocks and more", {QDate(2023, 1, 1), QDate(2028, 12, 31)}}};
    for (const auto &[formatName, format] : formats)
        for (const auto &[languageName, language] : languages)
            for (const auto &[rangeName, range] : ranges)
                QTest::addRow("%s, %s, %s", formatName, languageName, rangeName)
                    << format << language << range.first << range.second;
}

void tst_TableWriter::blocksMakeTheWholeTable()
{
    QFETCH(TableFormat, format);
    QFETCH(Language, language);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const InterfaceLanguage inForce(language);
    QByteArray written;
    int pieces = 0;
    QCOMPARE(writeTable({{{u"张三"_s, birth}}, first, last, format}, today, stamp,
                        [&](QByteArrayView bytes) {
                            written += bytes;
                            ++pieces;
                            return true;
                        }),
             TableWritten::Whole);
    const QByteArray whole = wholeTable(format, first, last);
    QVERIFY(!whole.isEmpty());
    QCOMPARE(written, whole);
    if (first.daysTo(last) > 1000)
        QVERIFY2(pieces > 4, qPrintable(QString::number(pieces)));
}

// When the output fails, nothing more is worked out or offered to it: not the next block of
// days, nor the next person's.
void tst_TableWriter::stopsAtTheFirstRefusedPiece_data()
{
    QTest::addColumn<TableFormat>("format");
    QTest::addColumn<QList<Person>>("people");
    QTest::addColumn<QDate>("last");
    const QList<Person> one{{{}, birth}};
    // A year of one person's days is two blocks.
    const QList<Person> three{
        {u"张三"_s, birth}, {u"李四"_s, birth.addDays(1)}, {u"王五"_s, birth}};
    for (const auto &[name, format] : formats) {
        QTest::addRow("%s, a decade of one person", name) << format << one << QDate(2000, 5, 1);
        QTest::addRow("%s, a year of three", name) << format << three << QDate(1991, 4, 30);
    }
}

void tst_TableWriter::stopsAtTheFirstRefusedPiece()
{
    QFETCH(TableFormat, format);
    QFETCH(QList<Person>, people);
    QFETCH(QDate, last);
    int offered = 0;
    const TableWritten done = writeTable({people, QDate(1990, 5, 1), last, format}, today, stamp,
                                         [&](QByteArrayView) { return ++offered < 2; });
    QCOMPARE(done, TableWritten::Refused);
    QCOMPARE(offered, 2);
}

QTEST_GUILESS_MAIN(tst_TableWriter)
#include "tst_tablewriter.moc"
