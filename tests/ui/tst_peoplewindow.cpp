// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/peoplechart.h"
#include "ui/peoplewindow.h"
#include "windowfixture.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QDateEdit>
#include <QListWidget>
#include <QTableView>
#include <QTableWidget>

using namespace Qt::StringLiterals;
using namespace cyclara;
using namespace cyclara::test;

// 多人比较: several people of the register in one window, against numbers worked out apart from
// the program.
class tst_PeopleWindow : public QObject {
    Q_OBJECT
private slots:
    void openedTickedAndWalked();
    void ticksAndRangeRefused();
};

namespace {

const QByteArray threePeople =
    gbk(u"张三\t1990-04-12\r\n李四\t1985-11-03\r\n赵六\t1990-05-10\r\n"_s);

PeopleWindow *openPeople(BiorhythmWindow &w)
{
    return openedBy<PeopleWindow>(w.birthYear, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_P);
}

void tickWithSpace(PeopleWindow *people, int row)
{
    auto *list = people->findChild<QListWidget *>();
    list->setFocus();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

} // namespace

// One window however often it opens, on the person shown; the best days rank the fewest critical
// first, then the highest lowest mean.
void tst_PeopleWindow::openedTickedAndWalked()
{
    WindowFixture fixture(threePeople, QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    for (QWidget *menuOf : std::initializer_list<QWidget *>{w.chart, w.personName->lineEdit()}) {
        chooseFromMenu(menuOf, u"多人比较…"_s);
        QTRY_VERIFY(w.findChild<PeopleWindow *>() && w.findChild<PeopleWindow *>()->isVisible());
        w.findChild<PeopleWindow *>()->close();
    }
    PeopleWindow *people = openPeople(w);
    QVERIFY(people);
    QCOMPARE(w.findChildren<PeopleWindow *>().size(), 1);
    QAbstractItemModelTester tester(people->findChild<QTableView *>()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(people->tickedPeople(), QStringList{u"张三"_s});
    tickWithSpace(people, 1);
    QCOMPARE(people->tickedPeople(), QStringList({u"张三"_s, u"李四"_s}));
    QCOMPARE(people->days().dayCount(), 7); // the main window's 3 days either side
    QCOMPARE(people->statusText(), u"今天: 张三 -18.00；李四 -23.67"_s);
    QStringList match;
    for (int row = 0; row < 4; ++row)
        match << people->matchTable()->item(row, 0)->text();
    QCOMPARE(match, QStringList({u"86%"_s, u"89%"_s, u"0%"_s, u"58%"_s})); // 1621 days apart

    people->chart()->setFocus();
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(people->chart(), Qt::Key_Right);
    const QString third = u"21日: 张三 -27.67；李四 1.33"_s;
    QCOMPARE(people->statusText(), third);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(people->chart());
    QCOMPARE(heard->role(), QAccessible::Chart);
    QCOMPARE(heard->text(QAccessible::Description), third);
    QTest::keyClick(people->chart(), Qt::Key_Home);
    QCOMPARE(people->days().currentRow(), 0);

    fixture.savePath = fixture.dir.filePath(u"people.csv"_s);
    people->exportData();
    const QByteArray table = WindowFixture::readFile(fixture.savePath);
    QVERIFY2(table.startsWith("\xEF\xBB\xBF日期,张三,李四\r\n") &&
                 table.contains("\r\n2026-06-18,-18.00,-23.67\r\n"),
             table.constData());
    QCOMPARE(table.count("\r\n"), 8);

    tickWithSpace(people, 2);
    const QList<QDateEdit *> range = people->findChildren<QDateEdit *>();
    range.at(0)->setDate(QDate(2026, 7, 1));
    range.at(1)->setDate(QDate(2026, 7, 31));
    QListWidget *best = people->bestDayList();
    QCOMPARE(best->count(), 10);
    // The first two share their reason, and stand by date.
    QCOMPARE(best->item(0)->text(), u"1. 2026-07-06 星期一  无人临界；最低均值 -4.33"_s);
    QCOMPARE(best->item(1)->text(), u"2. 2026-07-07 星期二  无人临界；最低均值 -4.33"_s);
    QVERIFY(best->item(2)->text().startsWith(u"3. 2026-07-03 "_s));
    best->setCurrentRow(1);
    QTest::keyClick(best, Qt::Key_Return);
    QCOMPARE(people->days().date(people->days().currentRow()), QDate(2026, 7, 7));
}

// Too many people, too long a range and a person born too late are said, and chart nothing.
void tst_PeopleWindow::ticksAndRangeRefused()
{
    QByteArray nine;
    for (int i = 1; i <= 9; ++i)
        nine += gbk(u"人%1\t1980-01-%2\r\n"_s.arg(i).arg(i, 2, 10, QChar(u'0')));
    WindowFixture fixture(nine + gbk(u"小宝\t2026-06-17\r\n"_s), QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    PeopleWindow *people = openPeople(w);
    QVERIFY(people);
    for (int row = 1; row < 9; ++row)
        tickWithSpace(people, row);
    QCOMPARE(people->tickedPeople().size(), 8);
    QCOMPARE(people->noteText(), u"最多比较 8 人"_s);
    tickWithSpace(people, 0); // 人1 off
    tickWithSpace(people, 9); // 小宝, born the day before the first day
    QCOMPARE(people->noteText(), u"小宝 生于起始日期之后"_s);
    QCOMPARE(people->days().dayCount(), 0);
    const QList<QDateEdit *> range = people->findChildren<QDateEdit *>();
    tickWithSpace(people, 9); // 小宝 off again
    range.at(1)->setDate(range.at(0)->date().addDays(366));
    QCOMPARE(people->noteText(), u"日期范围最长 366 天"_s);
    QCOMPARE(people->days().dayCount(), 0);
}

QTEST_MAIN(tst_PeopleWindow)
#include "tst_peoplewindow.moc"
