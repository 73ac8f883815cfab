// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smalldisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QByteArray out;
    QString err;
};

// Runs cyclara without a display or session, in the program's own language, with `added`
// (NAME=value), by a bash `script` with the program as $0 and the arguments as $@.
Run runCyclara(const QStringList &arguments, const QString &script = u"\"$0\" \"$@\""_s,
               const QStringList &added = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const auto *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR",
                             "XDG_SESSION_TYPE", "QT_LOGGING_RULES"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    environment.insert(u"LANGUAGE"_s, QString());
    for (const QString &variable : added)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(u"bash"_s,
                  QStringList{u"-c"_s, script, QStringLiteral(CYCLARA_PROGRAM)} + arguments);
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

// 张伟 born 1950-01-01 and 王芳 born 1971-09-07, in GBK.
const QByteArray registerBytes = "\xd5\xc5\xce\xb0\t1950-01-01\r\n\xcd\xf5\xb7\xbc\t1971-09-07\r\n";

} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void refusals_data();
    void refusals();
    void quietStandardError_data();
    void quietStandardError();
    void tablesLoadQtCoreAlone();

private:
    QTemporaryDir folder;
    QString registerPath = folder.filePath(u"birth.ini"_s);
    // Nine people, p1 to p9, one more than are looked at together.
    QString nineRegisterPath = folder.filePath(u"nine.ini"_s);
};

void tst_CommandLine::initTestCase()
{
    QFile file(registerPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(registerBytes) == registerBytes.size());
    QByteArray nine;
    for (int i = 1; i <= 9; ++i)
        nine += "p" + QByteArray::number(i) + "\t1990-01-0" + QByteArray::number(i) + "\r\n";
    QFile nineFile(nineRegisterPath);
    QVERIFY(nineFile.open(QIODevice::WriteOnly) && nineFile.write(nine) == nine.size());
    QFile big(folder.filePath(u"big.ini"_s));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(17 * 1024 * 1024));
}

// "B" stands for --birth=1980-05-07, "R" for the register of 张伟 and 王芳, "R9" for one of nine.
void tst_CommandLine::refusals_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("message");
    const auto refusal = [](const QString &arguments, const QString &message) {
        QTest::newRow(qPrintable(arguments)) << arguments << message;
    };
    refusal(u"--days=3"_s, u"--birth"_s);
    refusal(u"B --name=张伟"_s, u"二者取一"_s);
    refusal(u"B --date=1980-05-06"_s, u"生日在查询日期之后"_s);
    refusal(u"B --from=1980-01-01 --to=1980-12-31"_s, u"生日在表格的第一天之后"_s);
    refusal(u"B --from=1980-05-07 --to=2080-05-08"_s, u"超过了 100 年"_s);
    refusal(u"B --from=2000-01-02 --to=2000-01-01"_s, u"--from 在 --to 之后"_s);
    refusal(u"B --from=2000-01-01"_s, u"一起使用"_s);
    refusal(u"B --days=3 --from=2000-01-01 --to=2000-01-02"_s, u"不能同时使用"_s);
    refusal(u"B --days=-1"_s, u"“-1”"_s);
    refusal(u"B --days=20000"_s, u"超过了 100 年"_s);
    refusal(u"--help-all"_s, u"“help-all”"_s);
    refusal(u"--remind --ahead=400"_s, u"“400”"_s);
    refusal(u"--ahead=3"_s, u"只用于 --remind"_s);
    refusal(u"--remind-at-login=maybe"_s, u"“maybe”"_s);
    refusal(u"--show-name=张伟 --days=3"_s, u"只用于打开窗口"_s);
    refusal(u"B --date=9999-12-30"_s, u"100 年至 9999 年"_s);
    refusal(u"B --lang=fr"_s, u"“fr”"_s);
    refusal(u"B --register=birth.ini"_s, u"只用于 --name"_s);
    refusal(u"--name=李娜"_s, u"“李娜”不在"_s);
    refusal(u"--name=张伟 --name=张伟 --register=R"_s, u"“张伟”用 --name 给了两次"_s);
    refusal(u"--name=p1 --name=p2 --name=p3 --name=p4 --name=p5 --name=p6 --name=p7 --name=p8 "
            "--name=p9 --register=R9"_s,
            u"给了 9 个人；一起看最多 8 个"_s);
    refusal(u"--name=张伟 --name=王芳 --register=R --from=1971-09-01 --to=1971-09-30"_s,
            u"“王芳”的生日在表格的第一天之后"_s);
    refusal(u"--name=张伟 --name=王芳 --register=R --days=183"_s, u"最多 366 天；这里有 367 天"_s);
    refusal(u"--name=张伟 --name=王芳 --register=R --from=2000-01-02 --to=2000-01-01"_s,
            u"--from 在 --to 之后"_s);
    refusal(u"--match --name=张伟 --register=R"_s, u"--match 要两个 --name，这里有 1 个"_s);
    refusal(u"B --match"_s, u"--match 只用于 --name"_s);
    refusal(u"--match --name=张伟 --name=王芳 --days=3"_s, u"与日子无关"_s);
    refusal(u"--best-days --name=张伟 --date=2026-01-01"_s, u"用 --from 和 --to 给出"_s);
    refusal(u"--best-days --from=2026-01-01 --to=2026-01-02"_s, u"至少一个已登记的人"_s);
    refusal(u"--best-days --name=张伟 --register=R --from=2026-01-01 --to=2027-01-02"_s,
            u"最多 366 天；这里有 367 天"_s);
    refusal(u"B --critical=quadruple"_s, u"--critical：“quadruple”不是 single、double 或 triple"_s);
    refusal(u"--critical=triple --name=张伟 --name=王芳 --register=R"_s,
            u"--critical 只看一个人；--name 给了 2 个"_s);
    refusal(u"B --next-critical=triple --from=2000-01-01 --to=2000-01-02"_s,
            u"不与 --days、--from、--to 同用"_s);
    // The further cycles, which only the days' tables have.
    refusal(u"B --cycles=intuitive,psychic"_s,
            u"--cycles：“psychic”不是 intuitive、aesthetic、awareness 或 spiritual"_s);
    refusal(u"B --cycles=Intuitive"_s, u"“Intuitive”不是"_s);
    refusal(u"B --cycles=intuitive,,spiritual"_s, u"“”不是"_s);
    // One kind of table at a time; none with --remind; these are no calendar.
    for (const auto &[first, second] : {std::pair(u"match"_s, u"best-days"_s),
                                        {u"critical=double"_s, u"next-critical=triple"_s},
                                        {u"best-days"_s, u"cycles=spiritual"_s},
                                        {u"next-critical=triple"_s, u"cycles=awareness"_s}})
        refusal(u"B --%1 --%2"_s.arg(first, second),
                u"--%1 和 --%2 不能同时使用"_s.arg(first.section(u'=', 0, 0),
                                                   second.section(u'=', 0, 0)));
    for (const QString &option : {u"--birth=1980-05-07"_s, u"--best-days"_s, u"--critical=double"_s,
                                  u"--cycles=intuitive"_s})
        refusal(u"--remind "_s + option, u"不与表格选项同用"_s);
    for (const auto &[option, who] :
         {std::pair(u"match"_s, u"--name=张伟 --name=王芳 --register=R"_s),
          {u"next-critical=triple"_s, u"B"_s},
          {u"cycles=intuitive"_s, u"B"_s}})
        refusal(u"%1 --%2 --format=ics"_s.arg(who, option),
                u"--%1 不写 ics 日历"_s.arg(option.section(u'=', 0, 0)));
}

// One line on standard error and status 2; and the window's register, which lies beside the
// program, is read by the command line but never made.
void tst_CommandLine::refusals()
{
    QFETCH(QString, arguments);
    QFETCH(QString, message);
    const QString besideProgram =
        QFileInfo(QStringLiteral(CYCLARA_PROGRAM)).dir().filePath(u"birth.ini"_s);
    const bool registerBeside = QFileInfo::exists(besideProgram);
    arguments.replace(u"B "_s, u"--birth=1980-05-07 "_s)
        .replace(u"--register=R9"_s, u"--register="_s + nineRegisterPath)
        .replace(u"--register=R"_s, u"--register="_s + registerPath);
    const Run run = runCyclara(arguments.split(u' '));
    QVERIFY2(run.status == 2 && run.out.isEmpty() && run.err.startsWith(u"cyclara: "_s) &&
                 run.err.count(u'\n') == 1 && run.err.endsWith(u'\n') && run.err.contains(message),
             qPrintable(run.err));
    QCOMPARE(QFileInfo::exists(besideProgram), registerBeside);
}

// Standard error byte by byte, and the status: Cyclara's own line or nothing, never Qt's warnings,
// a value's control characters or the whole of a pasted file; the window's options come before its
// display. Output that did not reach its reader is never success, and is told unless the reader
// went away.
void tst_CommandLine::quietStandardError_data()
{
    // For bash, with the program as $0, the registers' folder as $DIR, a full 64 KiB disk as $DISK.
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QString noDisplay = u"cyclara: 无法打开窗口：没有可用的显示（请检查 DISPLAY 或 "
                              "WAYLAND_DISPLAY）；不用窗口的用法见 cyclara --help\n"_s;
    const QString noDate = u"”不是日期；请写成 YYYY-MM-DD，年份在 100 到 9999 之间\n"_s;
    const QString diskFull = u"cyclara: 无法写入标准输出：磁盘空间不足\n"_s;
    const QString hundredKb = u"\"$(head -c 100000 /dev/zero | tr '\\0' %1)\""_s;
    const QString century =
        u"\"$0\" --birth=1900-01-01 --from=1900-01-01 --to=1999-12-31 --format=csv"_s;
    const QString leapCentury = u"\"$0\" --birth=2000-02-29 --from=2000-02-29 --to=2100-02-28"_s;
    // Eight people's year, the most of both.
    QString eight = u"\"$0\" --register \"$DIR/nine.ini\" --from=2026-01-01 --to=2026-12-31"_s;
    for (int i = 1; i <= 8; ++i)
        eight += u" --name=p%1"_s.arg(i);
    const auto row = [](const char *name, const QString &script, int status, const QString &error) {
        QTest::newRow(name) << script << status << error;
    };
    row("window", u"\"$0\""_s, 1, noDisplay);
    row("window, in English", u"LANGUAGE=en \"$0\""_s, 1,
        u"cyclara: Cannot open the window: no display is available (check DISPLAY or "
        "WAYLAND_DISPLAY); cyclara --help tells what works without one\n"_s);
    row("window, DISPLAY=:99", u"DISPLAY=:99 \"$0\""_s, 1, noDisplay);
    row("window, Wayland's socket nowhere",
        u"XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=nowhere \"$0\""_s, 1, noDisplay);
    row("window, QT_QPA_PLATFORM=bogus", u"QT_QPA_PLATFORM=bogus \"$0\""_s, 1, noDisplay);
    row("window, a language it does not speak", u"\"$0\" -platform offscreen --lang fr"_s, 2,
        u"cyclara: --lang：“fr”不是 zh_CN、zh_TW 或 en\n"_s);
    row("window without a display, a day that is none",
        u"\"$0\" --show-name 张伟 --show-date=0000-00-00"_s, 2,
        u"cyclara: --show-date：“0000-00-00"_s + noDate);
    row("window without a display, a day left out", u"\"$0\" --show-date"_s, 2,
        u"cyclara: “--show-date”之后缺少值。\n"_s);
    row("the version, its line and status",
        u"v=$(\"$0\" --version; echo \"$?.\"); [ \"$v\" = $'cyclara " CYCLARA_VERSION "\\n0.' ]"_s,
        0, {});
    // --lang before the system's language.
    row("a date that is none, in the language asked for",
        u"LANGUAGE=zh_TW \"$0\" --birth=1980-02-30 --lang=en"_s, 2,
        u"cyclara: --birth: \"1980-02-30\" is not a date; write YYYY-MM-DD with a year from 100 "
        "to 9999\n"_s);
    row("a register that cannot be read", u"\"$0\" --name=张伟 --register /nonexistent/b.ini"_s, 1,
        u"cyclara: 无法读取姓名登记文件 /nonexistent/b.ini：文件或文件夹不存在\n"_s);
    row("a register that is a folder", u"\"$0\" --name=张伟 --register /"_s, 1,
        u"cyclara: 无法读取姓名登记文件 /：这个位置上有一个同名的文件夹\n"_s);
    // Left as it is, or the status tells.
    row("a register too big to be one",
        u"cd \"$DIR\" && \"$0\" --name=张伟 --register big.ini; s=$?; "
        "[ \"$(stat -c %s big.ini)\" = 17825792 ] || s=9; exit $s"_s,
        1, u"cyclara: 无法读取姓名登记文件 big.ini：文件超过 16 兆字节，不会是姓名登记文件\n"_s);
    // A lone continuation byte and an overlong slash, control characters, 100 kB.
    row("invalid UTF-8", u"\"$0\" --birth=$'\\xff\\x80\\xc0\\xaf'"_s, 2,
        u"cyclara: --birth：“\uFFFD\uFFFD\uFFFD\uFFFD"_s + noDate);
    row("an escape, a line end and a turn of direction",
        u"\"$0\" --birth=1980-05-07 --format=$'\\e[31m\\n\\u202e'"_s, 2,
        u"cyclara: --format：“\\x1B[31m\\x0A\\u202E”不是 text、csv、json 或 ics\n"_s);
    row("100 kB for a date", u"\"$0\" --birth="_s + hundredKb.arg(u"1"_s), 2,
        u"cyclara: --birth：“"_s + QString(64, u'1') + u'…' + noDate);
    row("100 kB of an option", u"\"$0\" --"_s + hundredKb.arg(u"x"_s), 2,
        u"cyclara: 未知选项“"_s + QString(62, u'x') + u"…”。\n"_s);
    row("days past any number", u"\"$0\" --birth=1980-05-07 --days=99999999999999999999"_s, 2,
        u"cyclara: --days：前后 99999999999999999999 天的表格超过了 100 年\n"_s);
    row("the version onto a full device", u"\"$0\" --version >/dev/full"_s, 1, diskFull);
    row("standard output closed", century + u" >&-"_s, 1, u"cyclara: 无法输出：标准输出已关闭\n"_s);
    row("the reader went away, SIGPIPE ignored",
        u"trap '' PIPE; "_s + century + u" | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}"_s, 1,
        {});
    row("a century onto a full disk", century + u" >\"$DISK/table.csv\""_s, 1, diskFull);
    row("eight people's year onto a full disk", eight + u" --format=csv >\"$DISK/table.csv\""_s, 1,
        diskFull);
    row("a match onto a full device",
        u"\"$0\" --register \"$DIR/nine.ini\" --name=p1 --name=p2 --match >/dev/full"_s, 1,
        diskFull);
    row("a century's critical days onto a full device",
        leapCentury + u" --critical=single --format=json >/dev/full"_s, 1, diskFull);
    row("a century's double days as a calendar onto a full device",
        leapCentury + u" --critical=double --format=ics >/dev/full"_s, 1, diskFull);
    row("the next triple day onto a full device",
        u"\"$0\" --birth=2000-02-29 --date=2000-03-01 --next-critical=triple >/dev/full"_s, 1,
        diskFull);
    row("the best days onto a full device", eight + u" --best-days >/dev/full"_s, 1, diskFull);
}

void tst_CommandLine::quietStandardError()
{
    QFETCH(QString, script);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir work;
    const cyclara::test::SmallDisk disk(work.filePath(u"disk"_s));
    if (script.contains(u"$DISK"_s) && !disk.mounted())
        QSKIP("a full disk is a small tmpfs, which only root can mount here");
    const Run run = runCyclara({}, script, {u"DIR="_s + folder.path(), u"DISK="_s + disk.path()});
    QCOMPARE(run.err, error);
    QCOMPARE(run.status, status);
}

// A table loads QtCore and nothing of the window, as the dynamic loader tells it.
void tst_CommandLine::tablesLoadQtCoreAlone()
{
    const Run run = runCyclara({u"--birth=1990-04-12"_s, u"--days=0"_s, u"--format=json"_s},
                               u"LD_DEBUG=files \"$0\" \"$@\""_s);
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.contains(u"file=libQt6Core.so"_s), "the loader told nothing");
    for (const QString &library :
         {u"libQt6Gui"_s, u"libQt6Widgets"_s, u"libQt6Svg"_s, u"libQt6PrintSupport"_s,
          u"libQt6DBus"_s, u"libdbus-1"_s, u"cyclara-window"_s, u"cyclara-reminders"_s})
        QVERIFY2(!run.err.contains(library), qPrintable(library));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
