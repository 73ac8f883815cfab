// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"

#include "cli/commandoptions.h"
#include "cli/criticaltables.h"
#include "cli/outputstream.h"
#include "cli/programmodule.h"
#include "cli/registerreading.h"
#include "cli/reminders.h"
#include "cli/tablewriter.h"
#include "model/datetext.h"
#include "register/autostartentry.h"
#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermessages.h"
#include "translations/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace cyclara {

namespace {

int refuse(const QString &problem, int status = 2)
{
    const QByteArray line = problemLine(problem);
    // Nothing is left to tell when standard error fails too.
    [[maybe_unused]] const std::size_t written =
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    return status;
}

// How writing to standard output ended, from the errno of its first failure (0: every byte got
// there). A reader that went away (a pipe into `head`) needs no message; any other failure is told.
int outputStatus(int error)
{
    if (error == 0)
        return 0;
    if (error == EPIPE)
        return 1;
    //: Writing to standard output failed; why
    return refuse(
        CommandOptions::tr("无法写入标准输出：%1")
            .arg(fileProblemReason({FileProblem::SystemError, FileProblem::Write, error})),
        1);
}

int refuseClosedOutput()
{
    //: Standard output was closed when the program started, so nothing could be written
    return refuse(CommandOptions::tr("无法输出：标准输出已关闭"), 1);
}

// Writes `bytes` to standard output and closes it.
int printAll(const QByteArray &bytes, bool outputClosed)
{
    if (outputClosed)
        return refuseClosedOutput();
    OutputStream out(STDOUT_FILENO);
    out.write(bytes);
    return outputStatus(out.close());
}

// Walks the arguments as the window takes them: passes each of the window's own options, with its
// value, to `own`; returns whether any other argument asks for the command line.
template <typename Own> bool walkArguments(int argc, const char *const *argv, Own own)
{
    static const QByteArrayList windowOwn{"--lang", "--show-name", "--show-date"};
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        const auto option = std::ranges::find_if(windowOwn, [&](const QByteArray &name) {
            return argument == name || argument.startsWith(name + '=');
        });
        if (option != windowOwn.end()) {
            own(argv[i]);
            if (argument == *option && i + 1 < argc)
                own(argv[++i]); // its value
        } else if (argument.startsWith("--") || argument == "-h" || argument == "-?" ||
                   argument == "-v") {
            return true;
        } else if (argument.startsWith("-")) {
            // One of Qt's, perhaps with its value.
            if (i + 1 < argc && argv[i + 1][0] != '-')
                ++i;
        } else {
            return true;
        }
    }
    return false;
}

} // namespace

bool wantsCommandLine(int argc, const char *const *argv)
{
    return walkArguments(argc, argv, [](const char *) {});
}

namespace {

// The register --register names, or the window's.
QString registerPathOf(const CommandOptions &options)
{
    return options.registerPath().isEmpty() ? defaultBirthFilePath() : options.registerPath();
}

int printTable(const CommandOptions &options, bool outputClosed)
{
    bool registerUnreadable = false;
    const QDate today = QDate::currentDate();
    const QString registerPath = registerPathOf(options);
    // The register is looked for only when a name is to be looked up in it, and read once for
    // all the names.
    std::optional<std::variant<BirthRegister, RegisterRefusal>> people;
    const auto request =
        options.request(today, [&](const QString &name) -> std::variant<QDate, QString> {
            if (!people)
                people =
                    readRegisterForCommandLine(registerPath, !options.registerPath().isEmpty());
            if (const auto *refusal = std::get_if<RegisterRefusal>(&*people)) {
                registerUnreadable = true;
                return refusal->message;
            }
            const BirthRegister &register_ = std::get<BirthRegister>(*people);
            if (!register_.contains(name))
                return CommandOptions::tr("“%1”不在姓名登记 %2 中")
                    .arg(shownValue(name), QDir::toNativeSeparators(registerPath));
            return register_.date(name);
        });
    if (const auto *problem = std::get_if<QString>(&request))
        return refuse(*problem, registerUnreadable ? 1 : 2);
    if (outputClosed)
        return refuseClosedOutput();
    const TableRequest &table = std::get<TableRequest>(request);
    OutputStream out(STDOUT_FILENO);
    const TableWritten written = writeTable(table, today, QDateTime::currentDateTimeUtc(),
                                            [&](QByteArrayView bytes) { return out.write(bytes); });
    const int status = outputStatus(out.close());
    // No next critical day was there to print: not the answer asked for, so no success either.
    if (status == 0 && written == TableWritten::NoneFound)
        return refuse(noCriticalDaysLine(table.first, table.last, table.critical), 1);
    return status;
}

int remind(const CommandOptions &options)
{
    const auto ahead = options.daysAhead();
    if (const auto *problem = std::get_if<QString>(&ahead))
        return refuse(*problem);
    const auto people =
        readRegisterForCommandLine(registerPathOf(options), !options.registerPath().isEmpty());
    if (const auto *refusal = std::get_if<RegisterRefusal>(&people))
        return refuse(refusal->message, 1);
    const QDate today = QDate::currentDate();
    const QList<Reminder> due =
        remindersDue(std::get<BirthRegister>(people), today, std::get<int>(ahead));
    // Nobody to remind: nothing is sent, and no notification service is needed.
    if (due.isEmpty())
        return 0;
    const ProgramModuleEntry sender =
        openProgramModule("cyclara-reminders.so", "cyclaraSendReminders");
    if (!sender.function)
        //: Reminders could not be sent; why
        return refuse(QCoreApplication::translate("Reminders", "无法发出提醒：%1")
                          .arg(programModuleProblem(sender)),
                      1);
    using SendReminders = int (*)(const QList<Reminder> &, const QDate &);
    return reinterpret_cast<SendReminders>(sender.function)(due, today);
}

int changeRemindAtLogin(const CommandOptions &options, bool outputClosed)
{
    const bool on = options.remindAtLogin();
    if (const auto problem = setRemindAtLogin(on, QCoreApplication::applicationFilePath()))
        //: The autostart entry could not be written or removed: its path, then why
        return refuse(
            CommandOptions::tr("无法更改登录时的提醒 %1：%2")
                .arg(QDir::toNativeSeparators(remindAtLoginPath()), fileProblemReason(*problem)),
            1);
    const QString done = on ? CommandOptions::tr("登录时提醒关键日：已开启（%1）")
                                  .arg(QDir::toNativeSeparators(remindAtLoginPath()))
                            : CommandOptions::tr("登录时提醒关键日：已关闭");
    return printAll(done.toUtf8() + '\n', outputClosed);
}

// Qt words some texts of the parser as it makes them: its complaint while it parses, and the help
// option as it is added. These are made by a parser of their own, after Qt's texts in the user's
// language are loaded.
QString parserComplaint()
{
    QCommandLineParser parser;
    const CommandOptions options(parser);
    // Qt quotes the option it could not follow whole; cut short, each argument still names the
    // same option, or none.
    QStringList arguments = QCoreApplication::arguments();
    std::ranges::transform(arguments, arguments.begin(), shownValue);
    parser.parse(arguments);
    return parser.errorText();
}

QString usageText()
{
    QCommandLineParser parser;
    const CommandOptions options(parser);
    return parser.helpText();
}

} // namespace

int runCommandLine(int argc, char **argv, bool outputClosed)
{
    QCoreApplication app(argc, argv);
    // The register's default place depends on the program's name, as in the window.
    QCoreApplication::setApplicationName(QStringLiteral("Cyclara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CYCLARA_VERSION));
    // Qt's own texts come from a file of the system's; a table needs none of them.
    InterfaceLanguage language(languageForRun(QCoreApplication::arguments()),
                               InterfaceLanguage::QtTexts::WhenAsked);

    QCommandLineParser parser;
    const CommandOptions options(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        language.loadQtTexts();
        return refuse(parserComplaint());
    }
    const auto mode = options.mode();
    if (const auto *problem = std::get_if<QString>(&mode))
        return refuse(*problem);
    switch (std::get<CommandOptions::Mode>(mode)) {
    case CommandOptions::Mode::Help:
        language.loadQtTexts();
        return printAll(usageText().toUtf8(), outputClosed);
    case CommandOptions::Mode::Version:
        return printAll(QByteArrayLiteral("cyclara " CYCLARA_VERSION "\n"), outputClosed);
    case CommandOptions::Mode::Remind:
        return remind(options);
    case CommandOptions::Mode::RemindAtLogin:
        return changeRemindAtLogin(options, outputClosed);
    case CommandOptions::Mode::Table:
        break;
    }
    return printTable(options, outputClosed);
}

int reportWindowMissing(int argc, char **argv, const ProgramModuleEntry &module)
{
    const QCoreApplication app(argc, argv);
    const InterfaceLanguage language(languageForRun(QCoreApplication::arguments()));
    //: The window's part of the program is missing or could not be loaded; why
    return refuse(CommandOptions::tr("无法打开窗口：%1").arg(programModuleProblem(module)), 1);
}

std::optional<QString> windowArgumentProblem(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions(CommandOptions::windowOptions());
    if (!parser.parse(arguments))
        return parser.errorText();
    return argumentProblem(parser);
}

WindowStart windowStart(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QList<QCommandLineOption> options = CommandOptions::windowOptions();
    parser.addOptions(options);
    parser.parse(arguments);
    return {parser.value(options.at(1)),
            registerDateFromText(parser.value(options.at(2))).value_or(QDate())};
}

int refuseWindowArguments(int argc, char **argv)
{
    QStringList own{QString::fromLocal8Bit(argv[0])};
    walkArguments(argc, argv,
                  [&own](const char *argument) { own.append(QString::fromLocal8Bit(argument)); });
    if (!windowArgumentProblem(own))
        return 0;
    // The line is said in the user's language, which needs an application of its own.
    const QCoreApplication app(argc, argv);
    const InterfaceLanguage language(languageForRun(own));
    return refuse(*windowArgumentProblem(own));
}

} // namespace cyclara
