// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "data/cyclaratexts.h"
#include "model/dayquery.h"
#include "ui/criticaldaysdialog.h"
#include "ui/daytabledialog.h"
#include "ui/homepage.h"
#include "ui/windowlayout.h"
#include "windowfixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTableView>
#include <QToolTip>

#include <sys/stat.h>

#include <optional>

// The main window: its controls, its days by mouse and keys, what users see and hear and take.
class tst_BiorhythmWindow : public QObject {
    Q_OBJECT
private slots:
    void rightColumnThresholds_data();
    void rightColumnThresholds();
    void controlsBesideTheChart();
    void keysWalkTheDays();
    void textStaysReadable_data();
    void textStaysReadable();
    void theWorkedExampleTakenAway();
    void exportsNeverSpoilTheOldFile_data();
    void exportsNeverSpoilTheOldFile();
    void criticalDaysCalendarAndReminders();
};

void tst_BiorhythmWindow::rightColumnThresholds_data()
{
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("queryButtonLeft"); // 帮助 is always below 查询
    QTest::addColumn<float>("explanationSwitchLeft");
    QTest::addColumn<float>("homeLinkLeft");
    QTest::newRow("9090: nothing moves") << 9090.0f << 8595.0f << 8280.0f << 10080.0f;
    QTest::newRow("9091: buttons move") << 9091.0f << 6836.0f << 8280.0f << 10080.0f;
    QTest::newRow("10405: check box stays") << 10405.0f << 8150.0f << 8280.0f << 10080.0f;
    QTest::newRow("10406: check box and link move") << 10406.0f << 8151.0f << 8151.0f << 9481.0f;
}

// The right-hand column follows the right edge only while it stays clear of the controls.
void tst_BiorhythmWindow::rightColumnThresholds()
{
    QFETCH(float, width);
    WindowPlaces p{.panel = {120, 6960, 10695, 1935},
                   .chart = {120, 1800, 10695, 5055},
                   .prompt = {120, 1560, 9495, 375},
                   .queryButton = {8595, 120, 2055, 420},
                   .helpButton = {8610, 645, 2055, 420},
                   .explanationSwitch = {8280, 1200, 1230, 255},
                   .homeLink = {10080, 1200, 660, 240},
                   .personName = {5310, 180, 1425, 330},
                   .lastSeriesCheck = {6720, 1200, 1230, 255}};
    layOutWindow(p, width, 8865, true);
    QTEST(p.queryButton.left, "queryButtonLeft");
    QCOMPARE(p.helpButton.left, p.queryButton.left);
    QTEST(p.explanationSwitch.left, "explanationSwitchLeft");
    QTEST(p.homeLink.left, "homeLinkLeft");
    QCOMPARE(p.chart.right(), width);
}

// Options change only what they name; one read-only help window; the home link says nothing.
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
    const QString shown = w.prompt->text() + w.panel->rows().paragraphs[1]->text();

    QTest::mouseClick(w.barsOption, Qt::LeftButton);
    QTest::mouseClick(w.seriesChecks[at(Series::Emotional)], Qt::LeftButton);
    QTest::mouseClick(w.seriesChecks[at(Series::AbsoluteMean)], Qt::LeftButton);
    const QList<bool> chosen{false, true, false, true, false};
    QCOMPARE(hidden(), chosen);
    QCOMPARE(w.prompt->text() + w.panel->rows().paragraphs[1]->text(), shown);
    w.queryButton->click();
    QCOMPARE(w.chart->chartType(), qint32(CycleChart::BarChart));
    QCOMPARE(hidden(), chosen);

    const QRect chartWithPanel = w.chart->geometry();
    QTest::mouseClick(w.explanationSwitch, Qt::LeftButton);
    QVERIFY(!w.panel->isVisible() && w.chart->height() > chartWithPanel.height());
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
    QVERIFY(help->textBox()->isReadOnly());

    QTest::mouseClick(w.homeLink, Qt::LeftButton);
    QCOMPARE(fixture.openedUrls, QList<QUrl>{homePageUrl()});
    QVERIFY(fixture.messages.isEmpty());
    w.close();
    QTRY_VERIFY(help.isNull());
}

// Each day is heard; the panel is a pane (a frame reads as a window) with the days as items. The
// chart, once clicked, walks the days by the same keys.
void tst_BiorhythmWindow::keysWalkTheDays()
{
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);
    w.panel->setFocus();
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(w.panel);
    QCOMPARE(heard->role(), QAccessible::Pane);
    const int firstDay = heard->childCount() - w.days().dayCount();
    QVERIFY(firstDay > 0 && heard->child(firstDay - 1)->role() != QAccessible::ListItem);
    const auto walk = [&](Qt::Key key, const QString &day) {
        QTest::keyClick(w.panel, key);
        QCOMPARE(w.prompt->text().section(u':', 0, 0), day);
        QCOMPARE(heard->text(QAccessible::Description), w.prompt->text());
        QAccessibleInterface *item = heard->focusChild();
        QVERIFY(item && item->role() == QAccessible::ListItem);
        QVERIFY(item->state().focused && item->state().selected);
        QCOMPARE(item->text(QAccessible::Name), w.prompt->text());
        QCOMPARE(heard->indexOfChild(item), firstDay + w.days().currentRow());
    };

    walk(Qt::Key_Right, u"明天"_s); // as a click on it shows it
    const QString byKey = w.prompt->text();
    emit w.chart->pointSelected(Series::Emotional, 4);
    QCOMPARE(w.prompt->text(), byKey);
    walk(Qt::Key_Home, u"3日"_s);
    walk(Qt::Key_Left, u"3日"_s); // stays at the first day
    walk(Qt::Key_End, u"9日"_s);
    walk(Qt::Key_Left, u"后天"_s);
    QTest::mouseClick(w.chart, Qt::LeftButton, {}, QPoint(5, w.chart->height() - 3));
    QCOMPARE(QApplication::focusWidget(), w.chart);
    QVERIFY(!heard->child(firstDay + w.days().currentRow())->state().focused);
    QTest::keyClick(w.chart, Qt::Key_Home);
    QVERIFY(w.prompt->text().startsWith(u"3日:"_s));
    QCOMPARE(QAccessible::queryAccessibleInterface(w.chart)->text(QAccessible::Description),
             w.prompt->text());
    w.birthYear->setFocus();
    QTest::keyClick(w.birthYear, Qt::Key_Right, Qt::AltModifier); // from any control
    QVERIFY(w.prompt->text().startsWith(u"前天:"_s));
    // Choosing a span from the keyboard runs the query, which starts again at today.
    QTest::keyClick(w.spanDays, Qt::Key_End);
    QCOMPARE(w.days().dayCount(), 33);
    QCOMPARE(w.days().day(w.days().currentRow()).label, u"今天"_s);
}

void tst_BiorhythmWindow::textStaysReadable_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light desktop") << QPalette(QColor(0xEF, 0xEF, 0xEF));
    // As a desktop theme makes one: Qt derives every role from a dark window colour.
    QTest::newRow("dark desktop") << QPalette(QColor(0x35, 0x35, 0x35));
}

// Text 4.5:1, series 3:1; a point's tool tip once took the chart's clear background: a black box.
void tst_BiorhythmWindow::textStaysReadable()
{
    QFETCH(QPalette, palette);
    const QPalette usual = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(usual); });
    QApplication::setPalette(palette);
    WindowFixture fixture;
    BiorhythmWindow &w = fixture.open(true);

    for (QWidget *control : w.findChildren<QWidget *>()) {
        const bool caption = qobject_cast<QLabel *>(control) ||
                             qobject_cast<QAbstractButton *>(control) ||
                             qobject_cast<QComboBox *>(control);
        if (!caption || !control->isVisible())
            continue;
        const QPalette &p = control->palette();
        const auto [text, background] =
            qobject_cast<QComboBox *>(control) ? std::pair(QPalette::Text, QPalette::Base)
            : qobject_cast<QPushButton *>(control)
                ? std::pair(QPalette::ButtonText, QPalette::Button)
                : std::pair(control->foregroundRole(), control->backgroundRole());
        QVERIFY2(contrast(p.color(text), p.color(background)) >= 4.5,
                 qPrintable(control->objectName()));
    }

    const ChartStyle style = chartStyle(w.chart->palette());
    QCOMPARE(style.dark, palette.color(QPalette::Base).lightness() < 128);
    QVERIFY(contrast(style.text, style.dark ? style.background : QColor(Qt::white)) >= 4.5);
    for (const Series series : everySeries)
        QVERIFY(contrast(style.seriesColour(series), style.plotBackground) >= 3.0);
    const QImage chart = w.chart->grab().toImage();
    QVERIFY(pixelsNear(chart, style.text) > 200);
    QVERIFY(pixelsNear(chart, style.seriesColour(Series::Intellectual)) > 50);
    QVERIFY(pixelsNear(w.panel->rows().paragraphs[0]->grab().toImage(), Qt::black) > 100);

    const QPoint point = w.chart->pointPosition(Series::Intellectual, 3);
    QHelpEvent hover(QEvent::ToolTip, point, w.chart->mapToGlobal(point));
    QApplication::sendEvent(w.chart, &hover);
    QTRY_VERIFY(QToolTip::isVisible());
    const QWidgetList tops = QApplication::topLevelWidgets();
    auto *tip = qobject_cast<QLabel *>(
        *std::ranges::find_if(tops, [](QWidget *top) { return top->inherits("QTipLabel"); }));
    QVERIFY2(tip->text().startsWith(u"今天\n智力："_s), qPrintable(tip->text()));
    const QColor tipText = tip->palette().color(QPalette::ToolTipText);
    QVERIFY(contrast(tipText, tip->palette().color(QPalette::ToolTipBase)) >= 4.5);
    QVERIFY(pixelsNear(tip->grab().toImage(), tipText) > 30);
    tip->hide();

    // Tab walks the chain back to where it began, each stop showing the focus; the caret stays on.
    QApplication::setCursorFlashTime(0);
    w.birthYear->setFocus();
    for (int stops = 1; stops == 1 || focusedControl() != w.birthYear; ++stops) {
        QVERIFY(stops < 30);
        QWidget *stop = focusedControl();
        const QImage focused = stop->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(stop->grab().toImage() != focused, qPrintable(stop->objectName()));
    }
}

// What the chart's menu takes away from the worked example (born 2006-1-1, on 2006-4-11); 数据表…
// follows the next query and reads cells with headings; 直觉 stays on in the next window.
void tst_BiorhythmWindow::theWorkedExampleTakenAway()
{
    WindowFixture fixture({}, QDate(2006, 4, 11));
    BiorhythmWindow &w = fixture.open(true);
    queryFor(w, QDate(2006, 1, 1));
    w.chart->setFocus();
    fixture.savePath = fixture.dir.filePath(u"days.csv"_s);
    QTest::keyClick(w.chart, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(WindowFixture::readFile(fixture.savePath), w.days().csv());

    fixture.savePath = fixture.dir.filePath(u"chart.png"_s);
    QTest::keyClick(w.chart, Qt::Key_S, Qt::ControlModifier);
    const QImage exported(fixture.savePath);
    QCOMPARE(exported.size(), w.chart->size() * w.chart->devicePixelRatio());
    // Named for the birth date, the query having no name, and the query date.
    QCOMPARE(fixture.suggestedNames, QStringList({u"cyclara-2006-01-01-2006-04-11.csv"_s,
                                                  u"cyclara-2006-01-01-2006-04-11.png"_s}));

    // The prompt's line without its final blank; the chart without its keyboard focus frame.
    QTest::keyClick(w.chart, Qt::Key_C, Qt::ControlModifier);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    const QString line = u"今天: 智力-临界(19%,59分) 情绪-低潮(-43%,28分) 体力-高峰(82%,91分)"_s;
    QCOMPARE(copied->text(), line);
    const QImage picture = qvariant_cast<QImage>(copied->imageData());
    const auto grabbed = [&] {
        return w.chart->grab().toImage().convertToFormat(picture.format());
    };
    QCOMPARE(picture, exported.convertToFormat(picture.format()));
    QVERIFY(w.chart->hasFocus() && picture != grabbed());
    w.queryButton->setFocus();
    QCOMPARE(picture, grabbed());
    w.chart->setFocus();

    fixture.printPath = fixture.dir.filePath(u"day.pdf"_s);
    QTest::keyClick(w.chart, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(pdfPages(fixture.printPath), 1);
    const QRegularExpressionMatch box =
        QRegularExpression(u"/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"_s)
            .match(QString::fromLatin1(WindowFixture::readFile(fixture.printPath)));
    QVERIFY(box.captured(1).toDouble() > box.captured(2).toDouble());
    const QString printed = pdfText(fixture.printPath);
    QVERIFY2(printed.contains(u"2006-01-01 出生，查询日期 2006-04-11"_s) &&
                 printed.contains(line.left(16)),
             qPrintable(printed));

    const auto &rows = w.panel->rows();
    const QStringList lines = descriptionText().split(u"\r\n"_s);
    QCOMPARE(rows.paragraphs[0]->text(), u"临界(19%,59分): "_s + lines[2]);
    QCOMPARE(rows.paragraphs[1]->text(), u"低潮(-43%,28分): "_s + lines[8]);
    QCOMPARE(rows.paragraphs[2]->text(), u"高峰(82%,91分): "_s + lines[11]);
    const QImage low = rows.faces[1]->pixmap().toImage();
    QVERIFY(!low.isNull() && low != rows.faces[0]->pixmap().toImage());
    QVERIFY(low != rows.faces[2]->pixmap().toImage());
    w.query().showDay(0); // 智力 is low that day
    QCOMPARE(rows.faces[0]->pixmap().toImage(), low);

    auto *further = w.findChild<QMenu *>();
    QVERIFY(further && further->title() == u"更多节律"_s);
    QCOMPARE(further->actions().first()->text(), u"直觉（38 天）"_s);
    further->actions().first()->trigger();
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
    const auto headers = cell->tableCellInterface()->columnHeaderCells();
    QCOMPARE(headers.size(), 1);
    QCOMPARE(headers.first()->text(QAccessible::Name), u"智力"_s);

    w.spanDays->setCurrentIndex(1);
    typeInto(w.personName, u"李四"_s);
    queryFor(w, QDate(1985, 1, 2));
    QCOMPARE(table->heading(), u"李四，1985-01-02 出生，查询日期 2006-04-11"_s);
    QCOMPARE(view->currentIndex().row(), 4); // the middle of nine
    button(table, u"复制"_s)->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(table->tableText()));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(u"日期        标签"_s));
    QVERIFY(table->tableText().split('\n').first().endsWith("直觉"));
    w.close();
    QCOMPARE(fixture.open(true).days().columnCount(), int(DayTableModel::ColumnCount) + 1);
    QVERIFY(QFile::exists(fixture.dir.filePath(u"Cyclara/settings.ini"_s)));
}

void tst_BiorhythmWindow::exportsNeverSpoilTheOldFile_data()
{
    QTest::addColumn<QString>("target"); // "full disk", "fifo" or a device's path
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("reason");
    const QString notAFile = u"这个位置上的不是普通文件"_s;
    QTest::newRow("table onto a full disk")
        << u"full disk"_s << QKeySequence(u"Ctrl+Shift+S"_s) << u"磁盘空间不足"_s;
    QTest::newRow("picture onto a device")
        << u"/dev/full"_s << QKeySequence(QKeySequence::Save) << notAFile;
    QTest::newRow("print into a pipe")
        << u"fifo"_s << QKeySequence(QKeySequence::Print) << notAFile;
}

// A failed export says why, leaves the old file whole, and never writes to or replaces a device.
void tst_BiorhythmWindow::exportsNeverSpoilTheOldFile()
{
    QFETCH(QString, target);
    QFETCH(QKeySequence, keys);
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
        path = disk->path() + u"/old"_s;
        QVERIFY(WindowFixture::writeFile(path, old));
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
    QVERIFY(disk ? WindowFixture::readFile(path) == old : !QFileInfo(path).isFile());
}

// 关键日… and its calendar; the login reminder keeps its state when its entry cannot be written.
void tst_BiorhythmWindow::criticalDaysCalendarAndReminders()
{
    WindowFixture fixture({}, QDate(2026, 6, 18));
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_CONFIG_HOME", configHome); });
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(fixture.dir.filePath(u"config"_s)));
    BiorhythmWindow &w = fixture.open(true);
    typeInto(w.personName, u"张三"_s);
    queryFor(w, QDate(1990, 4, 12));
    chooseFromMenu(w.chart, u"关键日…"_s);
    CriticalDaysDialog *days = nullptr;
    QTRY_VERIFY((days = w.findChild<CriticalDaysDialog *>()));
    QVERIFY(days->listText().startsWith(u"2026-06-18 星期四  智力、情绪（双重）\n"
                                        "2026-06-27 星期六  体力\n"_s));
    QCOMPARE(days->listText().count(u'\n'), 12); // thirteen days within the 60 looked at
    days->kindFilter()->setCurrentIndex(1);      // two or three together
    QCOMPARE(days->listText(), u"2026-06-18 星期四  智力、情绪（双重）"_s);
    days->kindFilter()->setCurrentIndex(2); // all three: none within the 60
    QCOMPARE(days->listText(), QString());
    QCOMPARE(days->nextTripleText(), u"下一个三重临界日: 2039-02-10 星期四，4620 天后"_s);
    days->kindFilter()->setCurrentIndex(0);

    fixture.savePath = fixture.dir.filePath(u"chart.ics"_s);
    chooseFromMenu(w.chart, u"导出日历…"_s);
    QTRY_VERIFY(QFile::exists(fixture.savePath));
    const QByteArray calendar = WindowFixture::readFile(fixture.savePath);
    QStringList starts;
    for (const auto &found : QRegularExpression(u"DTSTART;VALUE=DATE:(\\d{8})"_s)
                                 .globalMatch(QString::fromUtf8(calendar)))
        starts << found.captured(1);
    QVERIFY(starts.size() > 50);
    QCOMPARE(starts.constFirst(), u"20260618"_s);
    QVERIFY(starts.constLast() <= u"20270617"_s);
    fixture.savePath = fixture.dir.filePath(u"dialog.ics"_s);
    QPushButton *exportButton = button(days, u"导出日历…"_s);
    exportButton->click();
    QCOMPARE(WindowFixture::readFile(fixture.savePath).count("BEGIN:VEVENT"),
             calendar.count("BEGIN:VEVENT"));
    const QString listBefore = days->listText();
    typeInto(w.personName, u"李四"_s);
    queryFor(w, QDate(1985, 1, 2));
    QVERIFY(days->listText() != listBefore);
    exportButton->click();
    QCOMPARE(fixture.suggestedNames,
             QStringList({u"cyclara-张三-2026-06-18.ics"_s, u"cyclara-张三-2026-06-18.ics"_s,
                          u"cyclara-李四-2026-06-18.ics"_s}));

    QCheckBox *atLogin = days->remindAtLoginBox();
    const QString entry =
        fixture.dir.filePath(u"config/autostart/io.github.cyclara.Cyclara-remind.desktop"_s);
    QVERIFY(!atLogin->isChecked());
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(QFile::exists(entry));
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(!QFile::exists(entry));
    // A file where the autostart folder goes.
    QVERIFY(QDir(fixture.dir.filePath(u"config"_s)).rmdir(u"autostart"_s));
    QVERIFY(WindowFixture::writeFile(fixture.dir.filePath(u"config/autostart"_s), {}));
    QTest::keyClick(atLogin, Qt::Key_Space);
    QVERIFY(!atLogin->isChecked());
    QCOMPARE(fixture.messages.size(), 1);
    QVERIFY2(fixture.messages.first().startsWith(u"无法更改登录时的提醒"_s),
             qPrintable(fixture.messages.first()));
}

QTEST_MAIN(tst_BiorhythmWindow)
#include "tst_biorhythmwindow.moc"
