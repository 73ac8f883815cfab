// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the pictures of the README and the AppStream metadata from the real windows:
//   screenshot [output folder, default "docs"]
// writes screenshot.png (main window, lines, one day clicked), screenshot-help.png (help window)
// screenshot-bars.png (the same days as bars) and screenshot-days.png (a month, walked by
// keyboard);
//   screenshot --dark [folder]      screenshot-dark.png, the main window on a dark desktop
//   screenshot --scaled [folder]    screenshot-2x.png, the main window at a screen scale of 2
//   screenshot --english [folder]   screenshot-en.png, the main window in English
//   screenshot --english-smallest [folder]   screenshot-en-smallest.png, English at the smallest
//                                             size the window can take
//   screenshot --traditional [folder]   screenshot-zh_TW.png, in Traditional Chinese.
// The default run also writes screenshot-table.png, the days as a table (数据表…), and
// screenshot-people.png, three people together (多人比较…); --dark, --scaled and --english write
// theirs too (screenshot-people-dark.png, -2x, -en). It writes screenshot-year.png too, the
// person's year (全年…), and screenshot-month-sheet.png, June of that year as printed (through
// pdftoppm from poppler-utils); --dark writes screenshot-year-dark.png. The language (Simplified
// Chinese unless asked), the clock, the register and the clicked day are fixed, so the pictures
// only change when the windows do. Run on the offscreen platform.
#include "chart/cyclechart.h"
#include "chart/peoplechart.h"
#include "chart/yeargrid.h"
#include "model/daytablemodel.h"
#include "register/birthfile.h"
#include "register/birthregister.h"
#include "register/birthtext.h"
#include "translations/language.h"
#include "ui/biorhythmwindow.h"
#include "ui/daytabledialog.h"
#include "ui/helpwindow.h"
#include "ui/peoplewindow.h"
#include "ui/yearwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextStream>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QTextStream err(stderr);

[[noreturn]] void fail(const QString &why)
{
    err << "screenshot: " << why << Qt::endl;
    std::exit(1);
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

void save(QWidget *window, const QDir &folder, const QString &fileName)
{
    settle();
    const QString path = folder.filePath(fileName);
    if (!window->grab().save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
    err << "wrote " << QDir::toNativeSeparators(path) << Qt::endl;
}

// 多人比较 from its shortcut, the register's three people ticked and two days walked.
void savePeople(cyclara::BiorhythmWindow &window, const QDir &folder, const QString &fileName)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        fail(QStringLiteral("the window never became active"));
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    auto *people = window.findChild<cyclara::PeopleWindow *>();
    if (!people || !people->isVisible())
        fail(QStringLiteral("the people window did not open"));
    people->setTicked(u"李四"_s, true);
    people->setTicked(u"王小梅"_s, true);
    people->activateWindow();
    if (!QTest::qWaitFor([people] { return people->isActiveWindow(); }))
        fail(QStringLiteral("the people window never became active"));
    people->chart()->setFocus();
    for (int step = 0; step < 2; ++step)
        QTest::keyClick(people->chart(), Qt::Key_Right);
    people->chart()->clearFocus();
    save(people, folder, fileName);
    people->close();
}

// 全年 from its shortcut, a few days walked from the query date; with `sheet`, June as a printed
// month sheet as well: exported into `pdfPath` and its page turned into a picture.
void saveYear(cyclara::BiorhythmWindow &window, const QDir &folder, const QString &fileName,
              const QString &pdfPath)
{
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        fail(QStringLiteral("the window never became active"));
    window.chart->setFocus();
    QTest::keyClick(window.chart, Qt::Key_Y, Qt::ControlModifier);
    auto *year = window.findChild<cyclara::YearWindow *>();
    if (!year || !year->isVisible())
        fail(QStringLiteral("the year window did not open"));
    year->activateWindow();
    if (!QTest::qWaitFor([year] { return year->isActiveWindow(); }))
        fail(QStringLiteral("the year window never became active"));
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right})
        QTest::keyClick(year->grid(), key);
    save(year, folder, fileName);
    if (!pdfPath.isEmpty()) {
        for (QPushButton *button : year->findChildren<QPushButton *>())
            if (button->text() == u"导出 PDF…"_s)
                button->click();
        const QString sheet = folder.filePath(u"screenshot-month-sheet"_s);
        QProcess render;
        render.start(u"pdftoppm"_s, {u"-f"_s, u"6"_s, u"-l"_s, u"6"_s, u"-r"_s, u"90"_s, u"-png"_s,
                                     u"-singlefile"_s, pdfPath, sheet});
        if (!render.waitForFinished() || render.exitStatus() != QProcess::NormalExit ||
            render.exitCode() != 0)
            fail(QStringLiteral("pdftoppm (poppler-utils) could not render the month sheet"));
        err << "wrote " << QDir::toNativeSeparators(sheet + u".png"_s) << Qt::endl;
    }
    year->close();
}

} // namespace

int main(int argc, char *argv[])
{
    // Decided before the application exists: the screen scale cannot change afterwards.
    const QString mode = argc > 1 && argv[1][0] == '-' ? QString::fromLatin1(argv[1]) : QString();
    const QHash<QString, QString> pictureOfMode{
        {u"--dark"_s, u"screenshot-dark.png"_s},
        {u"--scaled"_s, u"screenshot-2x.png"_s},
        {u"--english"_s, u"screenshot-en.png"_s},
        {u"--english-smallest"_s, u"screenshot-en-smallest.png"_s},
        {u"--traditional"_s, u"screenshot-zh_TW.png"_s}};
    const QHash<QString, QString> peopleOfMode{{u"--dark"_s, u"screenshot-people-dark.png"_s},
                                               {u"--scaled"_s, u"screenshot-people-2x.png"_s},
                                               {u"--english"_s, u"screenshot-people-en.png"_s}};
    if (!mode.isEmpty() && !pictureOfMode.contains(mode))
        fail(QStringLiteral(
            "usage: screenshot [--dark | --scaled | --english | --english-smallest | "
            "--traditional] [folder]"));
    // A screen large enough for the whole window at a scale of 2.
    QTemporaryFile screenAtTwo;
    if (mode == u"--scaled"_s) {
        if (!screenAtTwo.open() ||
            screenAtTwo.write(R"({"screens": [{"name": "scaled", "x": 0, "y": 0, "width": 1280,
                "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})") < 0 ||
            !screenAtTwo.flush())
            fail(QStringLiteral("cannot write the screen's description"));
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" + QFile::encodeName(screenAtTwo.fileName()));
    }
    const int folderArgument = mode.isEmpty() ? 1 : 2;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cyclara"));
    const bool english = mode.startsWith(u"--english"_s);
    const cyclara::InterfaceLanguage language(english ? cyclara::Language::English
                                              : mode == u"--traditional"_s
                                                  ? cyclara::Language::TraditionalChinese
                                                  : cyclara::Language::SimplifiedChinese);
    // A steady text cursor: a blinking one would make every run's pictures differ.
    QApplication::setCursorFlashTime(0);
    // A dark desktop as a theme makes one: Qt derives every role from a dark window colour.
    if (mode == u"--dark"_s)
        QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35)));

    const QDir folder(argc > folderArgument ? QFile::decodeName(argv[folderArgument])
                                            : QStringLiteral("docs"));
    if (!QDir().mkpath(folder.path()))
        fail(QStringLiteral("cannot create %1").arg(folder.path()));

    // Without a CJK face every caption would come out as empty boxes.
    if (QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        fail(QStringLiteral("no Simplified Chinese font installed (fonts-noto-cjk)"));

    QTemporaryDir registerDir;
    if (!registerDir.isValid())
        fail(QStringLiteral("no temporary folder"));
    const QString registerPath = registerDir.filePath(QStringLiteral("birth.ini"));
    cyclara::BirthRegister people;
    people.set(u"张三"_s, QDate(1990, 4, 12));
    people.set(u"李四"_s, QDate(1985, 11, 3));
    people.set(u"王小梅"_s, QDate(1998, 7, 21));
    if (cyclara::writeBirthFile(registerPath, cyclara::formatBirthText(people)))
        fail(QStringLiteral("cannot write %1").arg(registerPath));

    cyclara::WindowServices services;
    services.today = [] {
        return QDate(2026, 6, 18);
    };
    services.birthFilePath = registerPath;
    // Any message means the window is not in the state the pictures are meant to show.
    services.showMessage = [](QWidget *, QMessageBox::Icon, const QString &text) {
        fail(QStringLiteral("the window reported: %1").arg(text));
    };
    services.openUrl = [](const QUrl &) {
        return false;
    };
    // The year's sheets are exported here, to be turned into a picture.
    const QString sheetPath = registerDir.filePath(QStringLiteral("year.pdf"));
    services.askSavePath = [sheetPath](QWidget *, const QString &, const QString &,
                                       const QString &) {
        return sheetPath;
    };

    cyclara::BiorhythmWindow window(services);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("the window was never shown"));
    settle();

    // The first registered person is picked at start. A week either side shows the cycles'
    // swing; one click on the day after tomorrow fills the panel.
    constexpr int span = 7;
    window.spanDays->setCurrentIndex(window.spanDays->findText(QString::number(span)));
    emit window.spanDays->activated(window.spanDays->currentIndex());
    if (window.days().dayCount() != 2 * span + 1)
        fail(QStringLiteral("the span of %1 days was not charted").arg(span));
    constexpr int dayAfterTomorrow = span + 2;
    // Sent to the window as the platform would, so it passes through the chart's own view.
    const QPoint dayPoint =
        window.chart->pointPosition(cyclara::Series::Intellectual, dayAfterTomorrow);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      window.chart->mapTo(&window, dayPoint));
    if (window.days().currentRow() != dayAfterTomorrow)
        fail(QStringLiteral("the click on the day after tomorrow did not reach the chart"));
    if (mode == u"--english-smallest"_s) {
        window.resize(window.minimumSize());
        if (window.size() != window.minimumSize())
            fail(QStringLiteral("the window did not take its smallest size"));
    }
    if (!mode.isEmpty()) {
        save(&window, folder, pictureOfMode.value(mode));
        if (peopleOfMode.contains(mode))
            savePeople(window, folder, peopleOfMode.value(mode));
        if (mode == u"--dark"_s)
            saveYear(window, folder, QStringLiteral("screenshot-year-dark.png"), QString());
        return 0;
    }
    save(&window, folder, QStringLiteral("screenshot.png"));

    window.helpButton->click();
    if (!window.helpWindow())
        fail(QStringLiteral("the help window did not open"));
    save(window.helpWindow(), folder, QStringLiteral("screenshot-help.png"));
    window.helpWindow()->close();

    window.barsOption->click();
    save(&window, folder, QStringLiteral("screenshot-bars.png"));

    // A month around the day, walked by keyboard to the next double critical day: the band on
    // that day, the line on today, the critical days marked on the zero line.
    window.linesOption->click();
    window.spanDays->setCurrentIndex(window.spanDays->findText(QStringLiteral("16")));
    emit window.spanDays->activated(window.spanDays->currentIndex());
    // The keys reach the chart as they reach it from a keyboard: in the active window.
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        fail(QStringLiteral("the window never became active"));
    window.chart->setFocus();
    for (int step = 0; step < 9; ++step)
        QTest::keyClick(window.chart, Qt::Key_Right);
    // The picture shows the days, not the focus frame.
    window.chart->clearFocus();
    save(&window, folder, QStringLiteral("screenshot-days.png"));

    // The same month as a table, from the chart's shortcut.
    window.chart->setFocus();
    QTest::keyClick(window.chart, Qt::Key_T, Qt::ControlModifier);
    auto *table = window.findChild<cyclara::DayTableDialog *>();
    if (!table || !table->isVisible())
        fail(QStringLiteral("the table window did not open"));
    save(table, folder, QStringLiteral("screenshot-table.png"));
    table->close();
    savePeople(window, folder, QStringLiteral("screenshot-people.png"));
    saveYear(window, folder, QStringLiteral("screenshot-year.png"), sheetPath);
    return 0;
}
