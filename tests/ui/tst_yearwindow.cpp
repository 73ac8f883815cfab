// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chart/yeargrid.h"
#include "model/dayquery.h"
#include "ui/yearwindow.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QScopeGuard>
#include <QSpinBox>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace cyclara;
using namespace cyclara::test;

// 全年: a person's year as twelve month calendars, against values worked out apart from the
// program.
class tst_YearWindow : public QObject {
    Q_OBJECT
private slots:
    void daysAgainstWorkedValues_data();
    void daysAgainstWorkedValues();
    void keysWalkTheDays_data();
    void keysWalkTheDays();
    void printedMonthReadsBack();
};

namespace {

const QByteArray threePeople = gbk(u"张三\t1990-04-12\r\n李四\t1985-11-03\r\n"
                                   u"闰年\t2000-02-29\r\n小宝\t2026-05-20\r\n"_s);

constexpr std::array periods{33, 28, 23};

// The sine of 6.2832 × days since birth ÷ period, in whole percent rounded half to even.
int percent(int period, qint64 days)
{
    return int(std::nearbyint(std::sin(6.2832 * double(days) / period) * 100.0));
}

// On its zero, or the nearer-to-zero day of a change of sign (the earlier when both are as near).
bool critical(int period, qint64 days)
{
    const int value = percent(period, days);
    if (value == 0)
        return true;
    for (const qint64 other : {days - 1, days + 1}) {
        const int neighbour = percent(period, other);
        if ((value > 0) == (neighbour > 0) || neighbour == 0)
            continue;
        if (std::abs(value) < std::abs(neighbour) ||
            (std::abs(value) == std::abs(neighbour) && days < other))
            return true;
    }
    return false;
}

void showPerson(BiorhythmWindow &w, const QString &name)
{
    pressInOpenList(w.personName, int(listed(w.personName).indexOf(name)), Qt::Key_Return);
}

} // namespace

void tst_YearWindow::daysAgainstWorkedValues_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("birth");
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("dark"); // the desktop
    QTest::newRow("张三 in 2026") << u"张三"_s << QDate(1990, 4, 12) << 2026 << false;
    QTest::newRow("李四 in 2027, dark desktop") << u"李四"_s << QDate(1985, 11, 3) << 2027 << true;
    QTest::newRow("born on 29 February, in leap 2028")
        << u"闰年"_s << QDate(2000, 2, 29) << 2028 << false;
    QTest::newRow("born in May of the year, dark desktop")
        << u"小宝"_s << QDate(2026, 5, 20) << 2026 << true;
}

// Each cell is blue below zero and orange above, shows its critical cycles' colours, and its day
// number stands 4.5:1 against it.
void tst_YearWindow::daysAgainstWorkedValues()
{
    QFETCH(QString, name);
    QFETCH(QDate, birth);
    QFETCH(int, year);
    QFETCH(bool, dark);
    const QPalette usual = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(usual); });
    if (dark)
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));
    WindowFixture fixture(threePeople, QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    showPerson(w, name);
    YearWindow *view = openedBy<YearWindow>(w.chart, Qt::ControlModifier | Qt::Key_Y);
    QVERIFY(view);
    auto *yearBox = view->findChild<QSpinBox *>();
    yearBox->setFocus();
    yearBox->selectAll();
    QTest::keyClicks(yearBox, QString::number(year));
    QTest::keyClick(yearBox, Qt::Key_Tab);
    const YearDays &days = view->days();
    QCOMPARE(days.year(), year);
    const QImage picture = view->grid()->grab().toImage();
    const ChartStyle style = chartStyle(view->grid()->palette());
    int shown = 0;
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
        ++shown;
        double mean = 0;
        unsigned cycles = 0;
        for (std::size_t c = 0; c < 3; ++c) {
            mean += percent(periods[c], t) / 3.0;
            cycles |= unsigned(critical(periods[c], t)) << c;
        }
        const DayRow &day = days.day(date);
        QVERIFY2(std::abs(day.values[at(Series::Mean)] - mean) < 1e-9, qPrintable(where));
        QCOMPARE(day.critical, cycles);
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
            QVERIFY2(drawn == bool(cycles & (1u << c)), qPrintable(where));
        }
    }
    QCOMPARE(shown, int(std::min<qint64>(QDate(year, 1, 1).daysInYear(),
                                         birth.daysTo(QDate(year, 12, 31)) + 1)));
}

void tst_YearWindow::keysWalkTheDays_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown"); // the day reached and its weekday
    // From the query date, Thursday 2026-06-18.
    QTest::newRow("Right") << QList<int>{Qt::Key_Right} << u"2026-06-19 星期五"_s;
    QTest::newRow("Left") << QList<int>{Qt::Key_Left} << u"2026-06-17 星期三"_s;
    QTest::newRow("Down a week") << QList<int>{Qt::Key_Down} << u"2026-06-25 星期四"_s;
    QTest::newRow("Up a week") << QList<int>{Qt::Key_Up} << u"2026-06-11 星期四"_s;
    QTest::newRow("PageDown a month") << QList<int>{Qt::Key_PageDown} << u"2026-07-18 星期六"_s;
    QTest::newRow("PageUp a month") << QList<int>{Qt::Key_PageUp} << u"2026-05-18 星期一"_s;
    QTest::newRow("Home, Left stays")
        << QList<int>{Qt::Key_Home, Qt::Key_Left} << u"2026-01-01 星期四"_s;
    QTest::newRow("End, Down stays")
        << QList<int>{Qt::Key_End, Qt::Key_Down} << u"2026-12-31 星期四"_s;
}

// Enter, or a double click on another day, makes the day the main window's query date.
void tst_YearWindow::keysWalkTheDays()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    const QDate reached = QDate::fromString(shown.left(10), Qt::ISODate);
    WindowFixture fixture(threePeople, QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    showPerson(w, u"李四"_s);
    YearWindow *view = openedBy<YearWindow>(w.chart, Qt::ControlModifier | Qt::Key_Y);
    QVERIFY(view);
    QVERIFY(view->grid()->hasFocus());
    QCOMPARE(view->grid()->selected(), QDate(2026, 6, 18));
    for (const int key : std::as_const(keys))
        QTest::keyClick(view->grid(), Qt::Key(key));
    QCOMPARE(view->grid()->selected(), reached);
    const QString status = view->statusText();
    QVERIFY2(status.startsWith(shown + u": 智力-"_s), qPrintable(status));
    const qint64 t = QDate(1985, 11, 3).daysTo(reached);
    for (std::size_t c = 0; c < 3; ++c)
        QVERIFY2(status.contains(u"(%1%,"_s.arg(percent(periods[c], t))), qPrintable(status));
    QCOMPARE(QAccessible::queryAccessibleInterface(view->grid())->text(QAccessible::Description),
             status);
    // Monday heads the weeks: the first of June 2026, a Monday, stands in the first column.
    QCOMPARE(view->grid()->cellRect(QDate(2026, 6, 1)).left(),
             view->grid()->cellRect(QDate(2026, 6, 29)).left());
    QVERIFY(view->grid()->cellRect(QDate(2026, 6, 7)).left() >
            view->grid()->cellRect(QDate(2026, 6, 6)).left());

    QTest::keyClick(view->grid(), Qt::Key_Return);
    QCOMPARE(w.query().query(), reached);
    QCOMPARE(w.query().name() + w.query().birth().toString(Qt::ISODate), u"李四1985-11-03"_s);
    QCOMPARE(w.queryYear->currentText() + u'-' + w.queryMonth->currentText() + u'-' +
                 w.queryDay->currentText(),
             u"2026-%1-%2"_s.arg(reached.month()).arg(reached.day()));
    QCOMPARE(w.days().day(w.days().currentRow()).date, reached);
    QVERIFY(view->isVisible() && view->grid()->selected() == reached);
    const QDate clicked(2026, 3, 2);
    QTest::mouseDClick(view->grid(), Qt::LeftButton, {},
                       view->grid()->cellRect(clicked).center().toPoint());
    QCOMPARE(w.query().query(), clicked);
    QCOMPARE(w.query().name(), u"李四"_s);
}

// A month to a page, that pdftotext reads back; and the whole year on one page into a PDF file.
void tst_YearWindow::printedMonthReadsBack()
{
    WindowFixture fixture(threePeople, QDate(2026, 6, 18));
    BiorhythmWindow &w = fixture.open(true);
    YearWindow *view = openedBy<YearWindow>(w.chart, Qt::ControlModifier | Qt::Key_Y);
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

QTEST_MAIN(tst_YearWindow)
#include "tst_yearwindow.moc"
