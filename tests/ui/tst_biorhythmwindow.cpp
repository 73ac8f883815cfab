// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cyclaratexts.h"
#include "model/dayquery.h"
#include "ui/criticaldaysdialog.h"
#include "ui/daytabledialog.h"
#include "ui/homepage.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>

#include <sys/stat.h>

#include <optional>

using namespace Qt::StringLiterals;

using namespace cyclara;
using namespace cyclara::test;

namespace {

QString dayShown(const BiorhythmWindow &w)
{
    return w.prompt->text().section(u':', 0, 0);
}

} // namespace

// The window's options, the day shown on the status line and the panel, chosen by mouse or
// keyboard, what a screen reader hears, the help, the home page, and what the chart's menu takes
// away.
class tst_BiorhythmWindow : public QObject {
    Q_OBJECT
private slots:
    void controlsBesideTheChart();
    void keysWalkTheDays_data();
    void keysWalkTheDays();
    void panelTellsTheDay();
    void whatTheMenuTakesAway();
    void exportsNeverSpoilTheOldFile_data();
    void exportsNeverSpoilTheOldFile();
    void criticalDaysAhead();
    void daysAsATable();
    void calendarAndRemindersAtLogin();
    void furtherCyclesRemembered();
};

// The controls beside the chart. The chart type and the series shown follow the options from the
// start, change nothing else, and stay through a query. The explanation switch hides the panel
// and gives the chart its room. One help window at a time, its text not editable, closing with
// the main window. The home link opens the page on a click, and nothing is said whether a browser
// opens or not; a press that ends outside the link is no click.
void tst_BiorhythmWindow::controlsBesideTheChart()
{
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    const auto hidden = [&w] {
        QList<bool> seriesHidden;
        for (const Series series : everySeries)
            seriesHidden << w.chart->isSeriesHidden(series);
        return seriesHidden;
    };
    QCOMPARE(w.chart->chartType(), qint32(CycleChart::LineChart));
    QCOMPARE(hidden(), QList<bool>({false, false, false, true, true}));
    emit w.chart->pointSelected(Series::Intellectual, 1);
    const QString prompt = w.prompt->text();
    const QString explain = w.panel->rows().paragraphs[1]->text();

    QTest::mouseClick(w.barsOption, Qt::LeftButton);
    QCOMPARE(w.chart->chartType(), qint32(CycleChart::BarChart));
    QTest::mouseClick(w.seriesChecks[at(Series::Emotional)], Qt::LeftButton);
    QTest::mouseClick(w.seriesChecks[at(Series::AbsoluteMean)], Qt::LeftButton);
    const QList<bool> chosen{false, true, false, true, false};
    QCOMPARE(hidden(), chosen);
    QCOMPARE(w.prompt->text(), prompt);
    QCOMPARE(w.panel->rows().paragraphs[1]->text(), explain);
    QCOMPARE(w.days().currentRow(), 1);

    w.queryButton->click();
    QCOMPARE(w.chart->chartType(), qint32(CycleChart::BarChart));
    QCOMPARE(hidden(), chosen);

    const QRect chartWithPanel = w.chart->geometry();
    QTest::mouseClick(w.explanationSwitch, Qt::LeftButton);
    QVERIFY(!w.panel->isVisible());
    QVERIFY(w.chart->height() > chartWithPanel.height());
    QTest::mouseClick(w.explanationSwitch, Qt::LeftButton);
    QVERIFY(w.panel->isVisible());
    QCOMPARE(w.chart->geometry(), chartWithPanel);

    // Enter (here the keypad's) clicks 帮助 while it has the focus; elsewhere it queries.
    w.helpButton->setFocus();
    QTest::keyClick(w.helpButton, Qt::Key_Enter);
    QPointer<HelpWindow> help = w.helpWindow();
    QVERIFY(help && QTest::qWaitForWindowExposed(help));
    QVERIFY(!help->windowIcon().isNull()); // the main window's, as the help takes it over
    w.helpButton->click();
    QCOMPARE(w.findChildren<HelpWindow *>(), QList<HelpWindow *>{help});
    const QString text = help->textBox()->toPlainText();
    help->textBox()->setFocus();
    QTest::keyClicks(help->textBox(), u"abc"_s);
    QTest::keyClick(help->textBox(), Qt::Key_Backspace);
    QCOMPARE(help->textBox()->toPlainText(), text);

    QTest::mouseClick(w.homeLink, Qt::LeftButton);
    QCOMPARE(fixture.openedUrls, QList<QUrl>{homePageUrl()});
    QTest::mousePress(w.homeLink, Qt::LeftButton);
    QTest::mouseRelease(w.homeLink, Qt::LeftButton, {}, QPoint(-5, -5));
    QCOMPARE(fixture.openedUrls.size(), 1);
    QVERIFY(fixture.messages.isEmpty());

    w.close();
    QTRY_VERIFY(help.isNull());
}

void tst_BiorhythmWindow::keysWalkTheDays_data()
{
    QTest::addColumn<bool>("fromChart"); // the chart has the focus, or the panel
    QTest::newRow("the chart, after a click on it") << true;
    QTest::newRow("the panel, a tab stop") << false;
}

// At the default query (today, span 3): Right shows 明天 exactly as a click on it would, and a
// screen reader hears it as the chart's description; Home the first day, End the last, Left one
// day back; the band follows. Alt+Right walks the days from any control.
void tst_BiorhythmWindow::keysWalkTheDays()
{
    QFETCH(bool, fromChart);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    QWidget *target = fromChart ? static_cast<QWidget *>(w.chart) : w.panel;
    if (fromChart)
        QTest::mouseClick(w.chart, Qt::LeftButton, {}, QPoint(5, w.chart->height() - 3));
    else
        target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key_Right);
    const QString byKey = w.prompt->text();
    QVERIFY2(byKey.startsWith(u"明天: 智力-"_s), qPrintable(byKey));
    QCOMPARE(w.days().currentRow(), 4);
    emit w.chart->pointSelected(Series::Emotional, 4);
    QCOMPARE(w.prompt->text(), byKey);
    QCOMPARE(QAccessible::queryAccessibleInterface(w.chart)->text(QAccessible::Description), byKey);

    QTest::keyClick(target, Qt::Key_Home);
    QCOMPARE(dayShown(w), u"3日"_s);
    QTest::keyClick(target, Qt::Key_Left); // stays at the first day
    QCOMPARE(w.days().currentRow(), 0);
    QTest::keyClick(target, Qt::Key_End);
    QCOMPARE(dayShown(w), u"9日"_s);
    QTest::keyClick(target, Qt::Key_Left);
    QCOMPARE(dayShown(w), u"后天"_s);
    w.birthYear->setFocus();
    QTest::keyClick(w.birthYear, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(dayShown(w), u"9日"_s);
    // Choosing a span from the keyboard runs the query, which starts again at today.
    QTest::keyClick(w.spanDays, Qt::Key_End);
    QCOMPARE(w.days().dayCount(), 33);
    QCOMPARE(w.days().day(w.days().currentRow()).label, u"今天"_s);
    // Pickers are named for what they are, not for the value they show.
    QCOMPARE(QAccessible::queryAccessibleInterface(w.birthYear)->text(QAccessible::Name),
             u"出生年"_s);
}

// A screen reader meets the panel as a panel (not a frame, taken for a window) described by the
// selected day, with every day an item of its own after the panel's pictures and paragraphs; the
// selected day's item has the focus while the panel has it. (That a screen reader hears each day
// walked to is heard through Orca, in tests/a11y.)
void tst_BiorhythmWindow::panelTellsTheDay()
{
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(w.panel);
    QCOMPARE(panel->role(), QAccessible::Pane);
    const int firstDay = panel->childCount() - w.days().dayCount();
    QVERIFY(firstDay > 0);
    QVERIFY(panel->child(firstDay - 1)->role() != QAccessible::ListItem);

    w.panel->setFocus();
    for (const auto key : {Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Left}) {
        QTest::keyClick(w.panel, key);
        const QString day = w.prompt->text();
        QCOMPARE(panel->text(QAccessible::Description), day);
        QAccessibleInterface *item = panel->focusChild();
        QVERIFY(item && item->role() == QAccessible::ListItem);
        QVERIFY(item->state().focused && item->state().selected);
        QCOMPARE(item->text(QAccessible::Name), day);
        QCOMPARE(panel->indexOfChild(item), firstDay + w.days().currentRow());
        QCOMPARE(panel->child(firstDay + w.days().currentRow()), item);
    }
    w.birthYear->setFocus();
    QVERIFY(!panel->child(firstDay + w.days().currentRow())->state().focused);
}

// What the chart's menu takes away, here from the worked example (born 2006-1-1, on 2006-4-11,
// today, span 3), whose values are known: the table as CSV with the window's own day labels, a
// picture at the chart's size in device pixels, and the day's line and picture on the clipboard;
// and the panel's account of the day.
void tst_BiorhythmWindow::whatTheMenuTakesAway()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    BiorhythmWindow &w = fixture.open(true);
    queryFor(w, QDate(2006, 1, 1)); // on today, the query date the window starts with
    w.chart->setFocus();
    fixture.savePath = fixture.dir.filePath(u"days.csv"_s);
    QTest::keyClick(w.chart, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QFile csv(fixture.savePath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    // The head, then the first day under the window's own label; seven days in all.
    const QByteArray table = csv.readAll();
    QVERIFY(table.startsWith("\xEF\xBB\xBF"
                             "日期,标签,智力,情绪,体力,均值,绝对均值\r\n"
                             "2006-04-08,8日,-37,22,98,27.67,52.33\r\n"
                             "2006-04-09,前天,"_ba));
    QCOMPARE(table.count("\r\n"), 8);

    fixture.savePath = fixture.dir.filePath(u"chart.png"_s);
    QTest::keyClick(w.chart, Qt::Key_S, Qt::ControlModifier);
    const QImage exported(fixture.savePath);
    QCOMPARE(exported.size(), w.chart->size() * w.chart->devicePixelRatio());
    // Each file is offered under the birth date (the query had no name) and the query date.
    QCOMPARE(fixture.suggestedNames, QStringList({u"cyclara-2006-01-01-2006-04-11.csv"_s,
                                                  u"cyclara-2006-01-01-2006-04-11.png"_s}));

    // The day's line as the prompt shows it, without its final blank; the chart as it looks
    // without the keyboard's focus frame, which it has while the keys act on it.
    QTest::keyClick(w.chart, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(copied->text(),
             u"今天: 智力-临界(19%,59分) 情绪-低潮(-43%,28分) 体力-高峰(82%,91分)"_s);
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    QCOMPARE(picture, exported.convertToFormat(picture.format()));
    QVERIFY(w.chart->hasFocus());
    QVERIFY(picture != w.chart->grab().toImage().convertToFormat(picture.format()));
    w.queryButton->setFocus();
    QCOMPARE(picture, w.chart->grab().toImage().convertToFormat(picture.format()));
    w.chart->setFocus();

    // Printed, whose day it is heads one landscape page with the chart and the day.
    fixture.printPath = fixture.dir.filePath(u"day.pdf"_s);
    QTest::keyClick(w.chart, Qt::Key_P, Qt::ControlModifier);
    QFile pdf(fixture.printPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(pdf.readAll());
    QCOMPARE(bytes.count(QRegularExpression(u"/Type\\s*/Page[^s]"_s)), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"_s).match(bytes);
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
    QProcess pdfText;
    pdfText.start(u"pdftotext"_s, {fixture.printPath, u"-"_s});
    QVERIFY2(pdfText.waitForFinished(), "pdftotext (poppler-utils) reads the page");
    const QString printed = QString::fromUtf8(pdfText.readAllStandardOutput());
    QVERIFY2(printed.contains(u"2006-01-01 出生，查询日期 2006-04-11"_s) &&
                 printed.contains(u"今天: 智力-临界(19%,59分)"_s),
             qPrintable(printed));

    // The panel: each cycle's band and score, the paragraph that band brings, and its band's face.
    const QStringList lines = descriptionText().split(u"\r\n"_s);
    QCOMPARE(w.panel->rows().paragraphs[0]->text(), u"临界(19%,59分): "_s + lines[2]);
    QCOMPARE(w.panel->rows().paragraphs[1]->text(), u"低潮(-43%,28分): "_s + lines[8]);
    QCOMPARE(w.panel->rows().paragraphs[2]->text(), u"高峰(82%,91分): "_s + lines[11]);
    const QImage low = w.panel->rows().faces[1]->pixmap().toImage();
    QVERIFY(!low.isNull() && low != w.panel->rows().faces[0]->pixmap().toImage());
    QVERIFY(low != w.panel->rows().faces[2]->pixmap().toImage());
    w.query().showDay(0); // 智力 is low that day
    QCOMPARE(w.panel->rows().faces[0]->pixmap().toImage(), low);
}

void tst_BiorhythmWindow::exportsNeverSpoilTheOldFile_data()
{
    QTest::addColumn<QString>("target");    // where the export goes: "full disk" or a device's path
    QTest::addColumn<QKeySequence>("keys"); // that export's shortcut
    QTest::addColumn<QString>("fileName");  // of the old file on the full disk
    QTest::addColumn<QString>("reason");    // what the message says
    const QKeySequence picture(QKeySequence::Save);
    const QKeySequence print(QKeySequence::Print);
    QTest::newRow("picture onto a full disk")
        << u"full disk"_s << picture << u"old.png"_s << u"磁盘空间不足"_s;
    QTest::newRow("table onto a full disk")
        << u"full disk"_s << QKeySequence(u"Ctrl+Shift+S"_s) << u"old.csv"_s << u"磁盘空间不足"_s;
    QTest::newRow("print into a file on a full disk")
        << u"full disk"_s << print << u"old.pdf"_s << u"磁盘空间不足"_s;
    QTest::newRow("picture onto a device")
        << u"/dev/full"_s << picture << QString() << u"这个位置上的不是普通文件"_s;
    QTest::newRow("print into a pipe")
        << u"fifo"_s << print << QString() << u"这个位置上的不是普通文件"_s;
}

// An export that cannot be written leaves the file it was to replace whole, and says why; a
// device or pipe chosen as the target is refused, not written to (or replaced, for root).
void tst_BiorhythmWindow::exportsNeverSpoilTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(QKeySequence, keys);
    QFETCH(QString, fileName);
    QFETCH(QString, reason);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    QString path = target;
    std::optional<SmallDisk> disk;
    const QByteArray old = "the old file, whole\n";
    if (target == u"full disk") {
        disk.emplace(fixture.dir.filePath(u"disk"_s));
        if (!disk->mounted())
            QSKIP("a full disk is a small tmpfs, which only root can mount here");
        path = disk->path() + u'/' + fileName;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        disk->fill();
    } else if (target == u"fifo") {
        path = fixture.dir.filePath(u"fifo"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
    fixture.savePath = fixture.printPath = path;
    w.chart->setFocus();
    QTest::keySequence(w.chart, keys);
    QCOMPARE(fixture.messages.size(), 1);
    QVERIFY2(fixture.messages.first().contains(QDir::toNativeSeparators(path)) &&
                 fixture.messages.first().contains(reason),
             qPrintable(fixture.messages.first()));
    if (disk) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    } else {
        QVERIFY(!QFileInfo(path).isFile());
    }
}

// The days ahead on which a cycle is critical, with their weekday; two cycles on one day are
// named together, and the list can keep only those; the next triple day is found however far.
// Worked out apart from the program, with the sine formula and the rule for critical days.
void tst_BiorhythmWindow::criticalDaysAhead()
{
    const WindowServices services;
    DayQuery query([] { return QDate(2026, 6, 18); });
    QVERIFY(!query.submit({u"张三"_s, QDate(1990, 4, 12), QDate(2026, 6, 18), 3}));
    CriticalDaysDialog dialog(query, services, nullptr);
    QVERIFY(dialog.listText().startsWith(u"2026-06-18 星期四  智力、情绪（双重）\n"
                                         "2026-06-27 星期六  体力\n"_s));
    QCOMPARE(dialog.listText().count(u'\n'), 12); // thirteen days within the 60 looked at
    // Two or three together: one day of the 60; all three: none, but one 4620 days ahead.
    dialog.kindFilter()->setCurrentIndex(1);
    QCOMPARE(dialog.listText(), u"2026-06-18 星期四  智力、情绪（双重）"_s);
    dialog.kindFilter()->setCurrentIndex(2);
    QCOMPARE(dialog.listText(), QString());
    QCOMPARE(dialog.nextTripleText(), u"下一个三重临界日: 2039-02-10 星期四，4620 天后"_s);
}

// 数据表… shows the chart's days as a table of their own, each cell read with its column's
// heading, the day shown selected; it follows the next query, and 复制 copies it as text.
void tst_BiorhythmWindow::daysAsATable()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    BiorhythmWindow &w = fixture.open(true);
    typeInto(w.personName, u"王五"_s);
    queryFor(w, QDate(2006, 1, 1));
    w.chart->setFocus();
    QTest::keyClick(w.chart, Qt::Key_T, Qt::ControlModifier);
    auto *table = w.findChild<DayTableDialog *>();
    QVERIFY(table && table->isVisible());
    QCOMPARE(table->heading(), u"王五，2006-01-01 出生，查询日期 2006-04-11"_s);
    QTableView *view = table->view();
    QCOMPARE(view->model()->rowCount(), 7);
    QCOMPARE(view->currentIndex().row(), 3);

    QAccessibleInterface *cells = QAccessible::queryAccessibleInterface(view);
    QVERIFY(cells && cells->tableInterface());
    QAccessibleInterface *cell = cells->tableInterface()->cellAt(3, 2);
    QCOMPARE(cell->text(QAccessible::Name), u"临界(19%,59分)"_s);
    const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->columnHeaderCells();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->text(QAccessible::Name), u"智力"_s);

    w.spanDays->setCurrentIndex(1);
    emit w.spanDays->activated(1);
    QCOMPARE(view->model()->rowCount(), 9);
    QCOMPARE(view->currentIndex().row(), 4);
    // The heading names whoever the next query is for, with that person's birth date.
    typeInto(w.personName, u"李四"_s);
    queryFor(w, QDate(1985, 1, 2));
    QCOMPARE(table->heading(), u"李四，1985-01-02 出生，查询日期 2006-04-11"_s);
    const QList<QPushButton *> buttons = table->findChildren<QPushButton *>();
    const auto copy = std::ranges::find(buttons, u"复制"_s, &QPushButton::text);
    QVERIFY(copy != buttons.end());
    (*copy)->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(table->tableText()));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(u"日期        标签"_s));
}

// 导出日历… in the chart's menu and in the 关键日 window writes the year of critical days from the
// query date as a calendar under the person's name; 登录时提醒关键日 there writes and removes the
// autostart entry, and says so, keeping its old state, when it cannot.
void tst_BiorhythmWindow::calendarAndRemindersAtLogin()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", configHome); });
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fixture.dir.filePath(u"config"_s)));
    BiorhythmWindow &w = fixture.open(true);
    typeInto(w.personName, u"王五"_s);
    queryFor(w, QDate(2006, 1, 1));

    fixture.savePath = fixture.dir.filePath(u"chart.ics"_s);
    chooseFromMenu(w.chart, u"导出日历…"_s);
    QFile fromChart(fixture.savePath);
    QTRY_VERIFY(fromChart.exists());
    QVERIFY(fromChart.open(QIODevice::ReadOnly));
    const QByteArray calendar = fromChart.readAll();
    QVERIFY(calendar.startsWith("BEGIN:VCALENDAR\r\n") && calendar.endsWith("END:VCALENDAR\r\n"));
    const QList<QByteArray> starts = [&] {
        QList<QByteArray> found;
        for (const QByteArray &line : calendar.split('\n'))
            if (line.startsWith("DTSTART;VALUE=DATE:"))
                found << line.mid(19, 8);
        return found;
    }();
    QVERIFY(starts.size() > 50);
    QVERIFY(starts.constFirst() >= "20060411" && starts.constLast() <= "20070410");

    chooseFromMenu(w.chart, u"关键日…"_s);
    CriticalDaysDialog *days = nullptr;
    QTRY_VERIFY((days = w.findChild<CriticalDaysDialog *>()));
    fixture.savePath = fixture.dir.filePath(u"dialog.ics"_s);
    const QList<QPushButton *> buttons = days->findChildren<QPushButton *>();
    const auto exportButton = std::ranges::find(buttons, u"导出日历…"_s, &QPushButton::text);
    QVERIFY(exportButton != buttons.end());
    (*exportButton)->click();
    QFile fromDialog(fixture.savePath);
    QVERIFY(fromDialog.open(QIODevice::ReadOnly));
    QCOMPARE(fromDialog.readAll().count("BEGIN:VEVENT"), calendar.count("BEGIN:VEVENT"));
    QCOMPARE(fixture.suggestedNames,
             QStringList({u"cyclara-王五-2006-04-11.ics"_s, u"cyclara-王五-2006-04-11.ics"_s}));
    // The window follows the next query, and so does what it exports.
    const QString listBefore = days->listText();
    typeInto(w.personName, u"李四"_s);
    queryFor(w, QDate(1985, 1, 2));
    QVERIFY(days->listText() != listBefore);
    (*exportButton)->click();
    QCOMPARE(fixture.suggestedNames.constLast(), u"cyclara-李四-2006-04-11.ics"_s);

    QCheckBox *atLogin = days->remindAtLoginBox();
    const QString entry =
        fixture.dir.filePath(u"config/autostart/io.github.cyclara.Cyclara-remind.desktop"_s);
    QVERIFY(!atLogin->isChecked());
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(QFile::exists(entry));
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(!QFile::exists(entry));
    // A file where the autostart folder goes: the entry cannot be written.
    QVERIFY(QDir(fixture.dir.filePath(u"config"_s)).rmdir(u"autostart"_s));
    QFile inTheWay(fixture.dir.filePath(u"config/autostart"_s));
    QVERIFY(inTheWay.open(QIODevice::WriteOnly));
    inTheWay.close();
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(!atLogin->isChecked());
    QCOMPARE(fixture.messages.size(), 1);
    QVERIFY2(fixture.messages.first().startsWith(u"无法更改登录时的提醒"_s),
             qPrintable(fixture.messages.first()));
}

// 更多节律 in the chart's menu: nothing on at first; 直觉 turned on is charted, listed in the table
// and exported, and still on in the next window, from the user's settings.
void tst_BiorhythmWindow::furtherCyclesRemembered()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    {
        BiorhythmWindow &w = fixture.open(true);
        QCOMPARE(w.days().columnCount(), int(DayTableModel::ColumnCount));
        auto *further = w.findChild<QMenu *>();
        QVERIFY(further && further->title() == u"更多节律"_s);
        QCOMPARE(further->actions().first()->text(), u"直觉（38 天）"_s);
        further->actions().first()->trigger();
        QCOMPARE(w.days().headerData(DayTableModel::ColumnCount, Qt::Horizontal).toString(),
                 u"直觉"_s);
        fixture.savePath = fixture.dir.filePath(u"days.csv"_s);
        w.chart->setFocus();
        QTest::keyClick(w.chart, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QFile csv(fixture.savePath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().endsWith(",绝对均值,直觉\r\n"));
        // 数据表 lists it and copies it.
        QTest::keyClick(w.chart, Qt::Key_T, Qt::ControlModifier);
        auto *table = w.findChild<DayTableDialog *>();
        QVERIFY(table);
        QCOMPARE(table->view()->model()->columnCount(), int(DayTableModel::ColumnCount) + 1);
        QVERIFY(table->tableText().split('\n').first().endsWith("直觉"));
        w.close();
    }
    BiorhythmWindow &again = fixture.open(true);
    QCOMPARE(again.days().columnCount(), int(DayTableModel::ColumnCount) + 1);
    QVERIFY(QFile::exists(fixture.dir.filePath(u"Cyclara/settings.ini"_s)));
}

QTEST_MAIN(tst_BiorhythmWindow)
#include "tst_biorhythmwindow.moc"
