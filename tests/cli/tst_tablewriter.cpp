// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/reminders.h"
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

// What the command line writes, short of a process: its tables and its reminders.
class tst_TableWriter : public QObject {
    Q_OBJECT
private slots:
    void blocksMakeTheWholeTable_data();
    void blocksMakeTheWholeTable();
    void stopsAtTheFirstRefusedPiece_data();
    void stopsAtTheFirstRefusedPiece();
    void whoIsReminded_data();
    void whoIsReminded();
    void reminderTexts();
};

// A table written block by block while its days are worked out is the table written whole, in
// every form and language, however its days fall into blocks.

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

// Each cycle is zero, so critical, on its whole periods after birth (33, 28 and 23 days) and far
// from zero a few days off them.
void tst_TableWriter::whoIsReminded_data()
{
    QTest::addColumn<QList<int>>("ages"); // in days, of p1, p2, ... in register order
    QTest::addColumn<int>("ahead");
    QTest::addColumn<QStringList>("due"); // "p1 3:2 8:1": days after today, their cycles' bits
    const auto row = [](const char *name, const QList<int> &ages, int ahead,
                        const QStringList &due) {
        QTest::newRow(name) << ages << ahead << due;
    };
    row("born today, all three; five days old, none", {0, 5, 0}, 0, {u"p1 0:7"_s, u"p3 0:7"_s});
    row("born tomorrow, when all three are critical", {-1}, 1, {});
    row("an emotional period old: one", {28}, 0, {u"p1 0:2"_s});
    row("23 intellectual and 33 physical periods old: two", {759}, 0, {u"p1 0:5"_s});
    row("the emotional period, then the intellectual on the last day", {25}, 8, {u"p1 3:2 8:1"_s});
    row("a day short of the intellectual period", {25}, 7, {u"p1 3:2"_s});
}

void tst_TableWriter::whoIsReminded()
{
    QFETCH(QList<int>, ages);
    QFETCH(int, ahead);
    BirthRegister people;
    for (qsizetype i = 0; i < ages.size(); ++i)
        people.set(u"p%1"_s.arg(i + 1), today.addDays(-ages[i]));
    QStringList told;
    for (const Reminder &reminder : remindersDue(people, today, ahead)) {
        told << reminder.name;
        for (const CriticalDay &day : reminder.days)
            told.last() += u" %1:%2"_s.arg(today.daysTo(day.date)).arg(day.cycles);
    }
    QTEST(told, "due");
}

// A reminder's lines name the day and its cycles (tomorrow is 明天 also in the next year); past
// the first few people, one notification counts the rest and names as many as fit, then "等".
void tst_TableWriter::reminderTexts()
{
    const Reminder reminder{
        u"张三"_s, birth, {{today, 7}, {today.addDays(1), 5}, {QDate(2026, 7, 2), 2}}};
    QCOMPARE(reminderSummary(reminder), u"张三的临界日"_s);
    QCOMPARE(reminderBody(reminder, today),
             u"今天：智力、情绪、体力（三重）\n明天：智力、体力（双重）\n7月2日：情绪"_s);
    const QDate newYearsEve(2026, 12, 31);
    QCOMPARE(reminderBody({u"张三"_s, birth, {{newYearsEve.addDays(1), 1}}}, newYearsEve),
             u"明天：智力"_s);
    QCOMPARE(othersSummary(96), u"另有 96 人今天起有临界日"_s);
    QList<Reminder> others;
    for (int i = 1; i <= 13; ++i)
        others.append({u"人%1"_s.arg(i), birth, {{today, 7}}});
    const QString twelve = u"人1、人2、人3、人4、人5、人6、人7、人8、人9、人10、人11、人12"_s;
    QCOMPARE(othersBody(others.first(12)), twelve);
    QCOMPARE(othersBody(others), twelve + u'等');
}

QTEST_GUILESS_MAIN(tst_TableWriter)
#include "tst_tablewriter.moc"
