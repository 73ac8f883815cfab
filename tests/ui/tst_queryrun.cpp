// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <QSignalSpy>
#include <QWindow>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

// From the pickers to a query: what the window refuses, and whom it records, exactly as typed.
class tst_QueryRun : public QObject {
    Q_OBJECT
private slots:
    void refusedQueriesChangeNothing_data();
    void refusedQueriesChangeNothing();
    void namesAreRecordedAsTyped();
    void onlyTheOpenListPicks();
    void refusedFirstQueryIsToldOnceShownAndDrawsNothing();
};

void tst_QueryRun::refusedQueriesChangeNothing_data()
{
    QTest::addColumn<QString>("birth"); // year|month|day, the year typed
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("birthAtFault"); // the focus goes to the birth year, or the query year
    QTest::newRow("two birth year digits, not completed")
        << u"19|1|1"_s << u"2026|12|6"_s << u"生日填写有误, 请重新填写"_s << true;
    QTest::newRow("query year in full-width digits")
        << u"1980|1|1"_s << u"２００６|4|11"_s << u"查询日期填写有误, 请重新填写"_s << false;
    QTest::newRow("span would run past the calendar")
        << u"1980|1|1"_s << u"9999|12|30"_s << u"查询日期填写有误, 请重新填写"_s << false;
    QTest::newRow("query one day before birth")
        << u"2006|4|12"_s << u"2006|4|11"_s << orderRefused << false;
}

// A refusal leaves the days, the panel, the register and the last accepted dates as they were.
void tst_QueryRun::refusedQueriesChangeNothing()
{
    QFETCH(QString, birth);
    QFETCH(QString, query);
    QFETCH(QString, message);
    QFETCH(bool, birthAtFault);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    typeInto(w.personName, u"新人"_s);
    const QList<DayRow> days = w.days().days();
    const QString panel = w.prompt->text() + w.panel->rows().paragraphs[0]->text();
    const auto enter = [](QComboBox *year, QComboBox *month, QComboBox *day, const QString &date) {
        const QStringList parts = date.split(u'|');
        typeInto(year, parts[0]);
        month->setCurrentIndex(parts[1].toInt() - 1);
        day->setCurrentIndex(parts[2].toInt() - 1);
    };
    enter(w.birthYear, w.birthMonth, w.birthDay, birth);
    enter(w.queryYear, w.queryMonth, w.queryDay, query);
    QTest::mouseClick(w.queryButton, Qt::LeftButton); // the button takes the focus

    QCOMPARE(fixture.messages, QStringList{message});
    QCOMPARE(focusedControl(), birthAtFault ? w.birthYear : w.queryYear);
    QVERIFY(w.days().days() == days);
    QCOMPARE(w.prompt->text() + w.panel->rows().paragraphs[0]->text(), panel);
    QVERIFY(w.birthRegister().isEmpty() && w.personName->count() == 0);
    emit w.chart->plotActivated(); // the middle day is still today
    QVERIFY(w.prompt->text().startsWith(u"今天: "_s));
    QCOMPARE(w.days().currentRow(), 3);
    w.close();
    QVERIFY(QFileInfo(fixture.registerPath()).isFile());
    QCOMPARE(fixture.registerBytes(), QByteArray());
}

// The prefix of a known name, or the name in another case, is someone new; a blank inside would
// read back as the last word, so that name is refused.
void tst_QueryRun::namesAreRecordedAsTyped()
{
    WindowFixture fixture(gbk(u"王五\t1970-01-01\r\n"_s));
    BiorhythmWindow &w = fixture.open(true);
    const auto query = [&](const QString &name, const QString &year) {
        typeInto(w.personName, name);
        typeInto(w.birthYear, year);
        QTest::keyClick(w.birthYear, Qt::Key_Return);
    };
    query(u"Wang"_s, u"1981"_s);
    query(u"wang"_s, u"1982"_s);
    query(u"Wa"_s, u"1983"_s);
    query(u" 王五 "_s, u"1984"_s);
    query(u"王😀"_s, u"1985"_s);
    QVERIFY(fixture.messages.isEmpty());
    QCOMPARE(w.personName->currentText(), u"王😀"_s);
    QCOMPARE(w.birthYear->count(), 121); // Enter adds no typed year to the list

    query(u"Li Lei"_s, u"1986"_s);
    QCOMPARE(fixture.messages, QStringList{u"姓名中不能含有空格，请重新填写"_s});
    QCOMPARE(focusedControl(), w.personName);

    const QStringList names{u"王五"_s, u"Wang"_s, u"wang"_s, u"Wa"_s, u"王😀"_s};
    QCOMPARE(listed(w.personName), names);
    w.close();
    QCOMPARE(fixture.registerBytes(),
             gbk(u"王五\t1984-01-01\r\nWang\t1981-01-01\r\nwang\t1982-01-01\r\nWa\t1983-01-01\r\n"
                 u"王😀\t1985-01-01\r\n"_s));
    QCOMPARE(fixture.open().birthRegister().names(), names);
}

// Enter in an open list picks and runs no query: with birth day 31, April would be refused. Typing
// a registered name fills in nothing: the query records the date the user set.
void tst_QueryRun::onlyTheOpenListPicks()
{
    WindowFixture fixture(gbk(u"甲\t1970-03-03\r\n乙\t1890-04-04\r\n"_s));
    BiorhythmWindow &w = fixture.open(true);
    QCOMPARE(w.personName->currentText() + w.birthYear->currentText(), u"甲1970"_s);
    w.birthDay->setCurrentIndex(30);
    QSignalSpy go(w.queryButton, &QPushButton::clicked);
    pressInOpenList(w.birthMonth, 3, Qt::Key_Return);
    QTRY_VERIFY(!w.birthMonth->view()->isVisible());
    QCOMPARE(w.birthMonth->currentText(), u"4"_s);
    QCOMPARE(go.count(), 0);
    QCOMPARE(fixture.messages, QStringList());

    pressInOpenList(w.personName, 1, Qt::Key_Return);
    QTRY_VERIFY(!w.personName->view()->isVisible());
    QCOMPARE(w.personName->currentText() + w.birthYear->currentText() + w.birthDay->currentText(),
             u"乙18904"_s); // a year before the year list begins
    QCOMPARE(w.birthYear->currentIndex(), -1);
    QCOMPARE(w.prompt->text(), u"点击图线(柱), 可以显示该日的生物节律状况."_s);
    QCOMPARE(go.count(), 0);

    // With the lists closed, Enter queries again (offscreen, the window needs its focus back).
    QCoreApplication::processEvents();
    w.windowHandle()->requestActivate();
    QTRY_COMPARE(QApplication::activeWindow(), &w);
    QTest::keyClick(w.birthMonth, Qt::Key_Return);
    QCOMPARE(go.count(), 1);

    typeInto(w.birthYear, u"1995"_s);
    typeInto(w.personName, u"甲"_s);
    QTest::mouseClick(w.queryButton, Qt::LeftButton);
    QCOMPARE(w.birthRegister().date(u"甲"_s), QDate(1995, 4, 4));
    QCOMPARE(w.birthRegister().date(u"乙"_s), QDate(1890, 4, 4));
    QVERIFY(fixture.messages.isEmpty());
}

// The first person born after today: refused once on screen, with axes but no made-up lines.
void tst_QueryRun::refusedFirstQueryIsToldOnceShownAndDrawsNothing()
{
    WindowFixture fixture(QByteArray("Later\t2027-01-01\r\n"));
    BiorhythmWindow &w = fixture.open();
    QVERIFY(fixture.messages.isEmpty());
    WindowFixture::showAndActivate(&w);
    QTRY_COMPARE(fixture.messages, QStringList{orderRefused});
    QCOMPARE(focusedControl(), w.queryYear);
    QCOMPARE(w.days().dayCount(), 0);
    const ChartStyle style = chartStyle(w.chart->palette());
    const QImage chart = w.chart->grab().toImage();
    for (const Series series : everySeries)
        QCOMPARE(pixelsNear(chart, style.seriesColour(series)), 0);
    QVERIFY(pixelsNear(chart, style.zeroLine) > 100);
}

QTEST_MAIN(tst_QueryRun)
#include "tst_queryrun.moc"
