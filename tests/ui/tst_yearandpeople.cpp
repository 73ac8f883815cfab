// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/peoplechart.h"
#include "chart/yeargrid.h"
#include "model/dayquery.h"
#include "ui/peoplewindow.h"
#include "ui/yearwindow.h"
#include "windowfixture.h"

#include <QAbstractItemModelTester>
#include <QDateEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>

#include <cmath>

// 全年 and 多人比较 against values worked out apart from the program.
class tst_YearAndPeople : public QObject {
    Q_OBJECT
private slots:
    void daysAgainstWorkedValues_data();
    void daysAgainstWorkedValues();
    void keysWalkTheDays();
    void printedMonthReadsBack();
    void openedTickedAndWalked();
    void ticksAndRangeRefused();
};

namespace {

const QByteArray fivePeople = gbk(u"张三\t1990-04-12\r\n李四\t1985-11-03\r\n赵六\t1990-05-10\r\n"
                                  u"闰年\t2000-02-29\r\n小宝\t2026-05-20\r\n"_s);

// The sine of 6.2832 × days since birth ÷ period, in whole percent rounded half to even.
int percent(int period, qint64 days)
{
    return int(std::nearbyint(std::sin(6.2832 * double(days) / period) * 100.0));
}

// The main window on 2026-06-18 showing `name`, and its year opened by Ctrl+Y.
struct YearFixture : WindowFixture {
    explicit YearFixture(const QString &name)
        : WindowFixture(fivePeople, QDate(2026, 6, 18))
    {
        BiorhythmWindow &w = open(true);
        pressInOpenList(w.personName, int(listed(w.personName).indexOf(name)), Qt::Key_Return);
        view = openedBy<YearWindow>(w.chart, Qt::ControlModifier | Qt::Key_Y);
    }
    YearWindow *view = nullptr;
};

void tickWithSpace(PeopleWindow *people, int row)
{
    auto *list = people->findChild<QListWidget *>();
    list->setFocus();
    list->setCurrentRow(row);
    QTest::keyClick(list, Qt::Key_Space);
}

} // namespace

void tst_YearAndPeople::daysAgainstWorkedValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("dark"); // the desktop
    QTest::newRow("born on 29 February, in leap 2028")
        << u"闰年"_s << QDate(2000, 2, 29) << 2028 << false;
    QTest::newRow("born in May of the year, dark desktop")
        << u"小宝"_s << QDate(2026, 5, 20) << 2026 << true;
}

// Each cell blue below zero, orange above, marked for its critical cycles, its number at 4.5:1.
void tst_YearAndPeople::daysAgainstWorkedValues()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(int, year);
    QFETCH(bool, dark);
    const QPalette usual = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(usual); });
    if (dark)
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    YearFixture fixture(name);
    YearWindow *view = fixture.view;
    QVERIFY(view);
    auto *yearBox = view->findChild<QSpinBox *>();
    yearBox->setFocus();
    yearBox->selectAll();
    QTest::keyClicks(yearBox, QString::number(year));
    QTest::keyClick(yearBox, Qt::Key_Tab);
    const YearDays &days = view->days();
    const QImage picture = view->grid()->grab().toImage();
    const ChartStyle style = chartStyle(view->grid()->palette());
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const qint64 t = birth.daysTo(date);
        QCOMPARE(days.has(date), t >= 0);
        const QRect cell = view->grid()->cellRect(date).toRect();
        const QColor corner = picture.pixelColor(cell.topLeft() + QPoint(3, 3));
        const QString where = date.toString(Qt::ISODate);
        if (date != view->grid()->selected()) { // its frame covers the corner
            // The number's strokes are the pixels that stand out most in the cell's upper half.
            double number = 1;
            for (int y = cell.top() + 2; y < cell.top() + cell.height() / 2; ++y)
                for (int x = cell.left() + 2; x < cell.right() - 1; ++x)
                    number = std::max(number, contrast(picture.pixelColor(x, y), corner));
            QVERIFY2(number >= 4.5, qPrintable(u"%1: %2"_s.arg(where).arg(number)));
        }
        if (t < 0)
            continue;
        double mean = 0;
        for (const int period : {33, 28, 23})
            mean += percent(period, t) / 3.0;
        const DayRow &day = days.day(date);
        QVERIFY2(std::abs(day.values[at(Series::Mean)] - mean) < 1e-9, qPrintable(where));
        if (date == view->grid()->selected())
            continue;
        if (std::abs(mean) > 10)
            QVERIFY2((corner.red() > corner.blue()) == (mean > 0), qPrintable(where));
        for (int c = 0; c < 3; ++c) {
            const QColor mark = style.seriesColour(everyCycle[std::size_t(c)]);
            bool drawn = false;
            for (int y = cell.top(); y <= cell.bottom() && !drawn; ++y)
                for (int x = cell.left(); x <= cell.right() && !drawn; ++x)
                    drawn = picture.pixelColor(x, y) == mark;
            QVERIFY2(drawn == bool(day.critical & (1u << c)), qPrintable(where));
        }
    }
}

// Each key moves from the day before it, kept within the year; Enter, or a double click on another
// day, makes the day the main window's query date.
void tst_YearAndPeople::keysWalkTheDays()
{
    YearFixture fixture(u"李四"_s);
    BiorhythmWindow &w = *fixture.window;
    YearWindow *view = fixture.view;
    QVERIFY(view);
    QVERIFY(view->grid()->hasFocus());
    const auto walk = [view](Qt::Key key, const QString &shown) {
        QTest::keyClick(view->grid(), key);
        const QString status = view->statusText();
        QVERIFY2(status.startsWith(shown + u": 智力-"_s), qPrintable(status));
    };
    walk(Qt::Key_Right, u"2026-06-19 星期五"_s); // from the query date, Thursday 2026-06-18
    walk(Qt::Key_Left, u"2026-06-18 星期四"_s);
    walk(Qt::Key_Down, u"2026-06-25 星期四"_s);
    walk(Qt::Key_Up, u"2026-06-18 星期四"_s);
    // A month, not 30 days: May has 31.
    walk(Qt::Key_PageUp, u"2026-05-18 星期一"_s);
    walk(Qt::Key_PageDown, u"2026-06-18 星期四"_s);
    walk(Qt::Key_Home, u"2026-01-01 星期四"_s);
    walk(Qt::Key_Left, u"2026-01-01 星期四"_s);
    walk(Qt::Key_End, u"2026-12-31 星期四"_s);
    walk(Qt::Key_Down, u"2026-12-31 星期四"_s);
    // Monday heads the weeks: Sunday the 7th stands right of Saturday the 6th.
    QVERIFY(view->grid()->cellRect(QDate(2026, 6, 7)).left() >
            view->grid()->cellRect(QDate(2026, 6, 6)).left());

    const QDate reached(2026, 12, 31);
    QTest::keyClick(view->grid(), Qt::Key_Return);
    QCOMPARE(w.query().name() + w.query().birth().toString(Qt::ISODate), u"李四1985-11-03"_s);
    QCOMPARE(w.days().day(w.days().currentRow()).date, reached);
    QVERIFY(view->isVisible() && view->grid()->selected() == reached);
    const QDate clicked(2026, 3, 2);
    QTest::mouseDClick(view->grid(), Qt::LeftButton, {},
                       view->grid()->cellRect(clicked).center().toPoint());
    QCOMPARE(w.query().query(), clicked);
    QCOMPARE(w.query().name(), u"李四"_s);
}

// A month to a page, that pdftotext reads back; and the whole year on one page into a PDF file.
void tst_YearAndPeople::printedMonthReadsBack()
{
    YearFixture fixture(u"张三"_s);
    YearWindow *view = fixture.view;
    QVERIFY(view);
    fixture.printPath = fixture.dir.filePath(u"year.pdf"_s);
    button(view, u"打印…"_s)->click();
    QCOMPARE(pdfPages(fixture.printPath), 12);
    // The fonts' glyphs of 生, 力 and the like read back as the radicals they share a shape with.
    const auto readable = [](const QString &text) {
        return text.normalized(QString::NormalizationForm_KC).simplified();
    };
    const QString printed =
        readable(pdfText(fixture.printPath, {u"-raw"_s, u"-f"_s, u"2"_s, u"-l"_s, u"2"_s}));
    QVERIFY2(printed.contains(readable(u"张三（1990-04-12 出生）：2026-02-01 至 2026-02-28"_s)) &&
                 printed.contains(u"sin(2π·t/P)"_s) && printed.contains(u"6.2832"_s),
             qPrintable(printed));
    for (QDate date(2026, 2, 1); date.month() == 2; date = date.addDays(1)) {
        const qint64 t = QDate(1990, 4, 12).daysTo(date);
        const QString day = u"%1 智力 %2 情绪 %3 体力 %4"_s.arg(date.day())
                                .arg(percent(33, t))
                                .arg(percent(28, t))
                                .arg(percent(23, t));
        QVERIFY2(printed.contains(day), qPrintable(day + u" in "_s + printed));
    }

    fixture.savePath = fixture.dir.filePath(u"whole.pdf"_s);
    view->setWholeYearPerPage(true);
    button(view, u"导出 PDF…"_s)->click();
    QCOMPARE(pdfPages(fixture.savePath), 1);
    QVERIFY(fixture.messages.isEmpty());
}

// One window however often opened; the best days numbered by rank, those alike by date.
void tst_YearAndPeople::openedTickedAndWalked()
{
    WindowFixture fixture(fivePeople, QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    for (QWidget *menuOf : std::initializer_list<QWidget *>{w.chart, w.personName->lineEdit()}) {
        chooseFromMenu(menuOf, u"多人比较…"_s);
        QTRY_VERIFY(w.findChild<PeopleWindow *>() && w.findChild<PeopleWindow *>()->isVisible());
        w.findChild<PeopleWindow *>()->close();
    }
    auto *people =
        openedBy<PeopleWindow>(w.birthYear, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_P);
    QVERIFY(people);
    QCOMPARE(w.findChildren<PeopleWindow *>().size(), 1);
    QAbstractItemModelTester tester(people->findChild<QTableView *>()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    tickWithSpace(people, 1); // 李四 besides 张三, the main window's
    QStringList match;
    for (int row = 0; row < 4; ++row)
        match << people->matchTable()->item(row, 0)->text();
    QCOMPARE(match, QStringList({u"86%"_s, u"89%"_s, u"0%"_s, u"58%"_s})); // 1621 days apart

    people->chart()->setFocus();
    QTest::keyClick(people->chart(), Qt::Key_Home);
    QCOMPARE(people->statusText(), u"15日: 张三 4.00；李四 -44.33"_s);

    fixture.savePath = fixture.dir.filePath(u"people.csv"_s);
    people->exportData();
    const QByteArray table = WindowFixture::readFile(fixture.savePath);
    QVERIFY2(table.startsWith("\xEF\xBB\xBF日期,张三,李四\r\n") &&
                 table.contains("\r\n2026-06-18,-18.00,-23.67\r\n"),
             table.constData());
    QCOMPARE(table.count("\r\n"), 8); // the main window's 3 days either side

    tickWithSpace(people, 2);
    const QList<QDateEdit *> range = people->findChildren<QDateEdit *>();
    range.at(0)->setDate(QDate(2026, 7, 1));
    range.at(1)->setDate(QDate(2026, 7, 31));
    QListWidget *best = people->bestDayList();
    QCOMPARE(best->count(), 10);
    // The first two share their reason, and stand by date.
    QCOMPARE(best->item(0)->text(), u"1. 2026-07-06 星期一  无人临界；最低均值 -4.33"_s);
    QCOMPARE(best->item(1)->text(), u"2. 2026-07-07 星期二  无人临界；最低均值 -4.33"_s);
    best->setCurrentRow(1);
    QTest::keyClick(best, Qt::Key_Return);
    QCOMPARE(people->days().date(people->days().currentRow()), QDate(2026, 7, 7));
}

// Too many people, too long a range and a person born too late are said, and chart nothing.
void tst_YearAndPeople::ticksAndRangeRefused()
{
    QByteArray nine;
    for (int i = 1; i <= 9; ++i)
        nine += gbk(u"人%1\t1980-01-%2\r\n"_s.arg(i).arg(i, 2, 10, QChar(u'0')));
    WindowFixture fixture(nine + gbk(u"小宝\t2026-06-17\r\n"_s), QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    auto *people =
        openedBy<PeopleWindow>(w.birthYear, Qt::ControlModifier | Qt::ShiftModifier | Qt::Key_P);
    QVERIFY(people);
    for (int row = 1; row < 9; ++row)
        tickWithSpace(people, row);
    QCOMPARE(people->tickedPeople().size(), 8);
    QCOMPARE(people->noteText(), u"最多比较 8 人"_s);
    tickWithSpace(people, 0); // 人1 off
    tickWithSpace(people, 9); // 小宝, born inside the days shown
    QCOMPARE(people->noteText(), u"小宝 生于起始日期之后"_s);
    QCOMPARE(people->days().dayCount(), 0);
    const QList<QDateEdit *> range = people->findChildren<QDateEdit *>();
    tickWithSpace(people, 9); // 小宝 off again
    range.at(1)->setDate(range.at(0)->date().addDays(366));
    QCOMPARE(people->noteText(), u"日期范围最长 366 天"_s);
    QCOMPARE(people->days().dayCount(), 0);
}

QTEST_MAIN(tst_YearAndPeople)
#include "tst_yearandpeople.moc"
