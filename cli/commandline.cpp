#include "cli/commandline.h"

#include "cli/outputstream.h"
#include "cli/tablerequest.h"
#include "model/daytableexport.h"
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
    const QByteArray line = QByteArrayLiteral("cyclara: ") + problem.toUtf8() + '\n';
    // Nothing is left to tell when standard error fails too.
    [[maybe_unused]] const std::size_t written =
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    return status;
}

// Writes `bytes` to standard output and closes it: status 0 when every byte got there. A reader
// that went away (a pipe into `head`) needs no message; any other failure is told.
int printAll(const QByteArray &bytes, bool outputClosed)
{
    if (outputClosed)
        //: Standard output was closed when the program started, so nothing could be written
        return refuse(TableOptions::tr("无法输出：标准输出已关闭"), 1);
    OutputStream out(STDOUT_FILENO);
    out.write(bytes);
    const int error = out.close();
    if (error == 0)
        return 0;
    if (error == EPIPE)
        return 1;
    //: Writing to standard output failed; why
    return refuse(
        TableOptions::tr("无法写入标准输出：%1")
            .arg(fileProblemReason({FileProblem::SystemError, FileProblem::Write, error})),
        1);
}

QByteArray tableBytes(const TableRequest &request, const QDate &today)
{
    // Numbers for programs need no day labels.
    const QDate labelsFrom = request.format == TableFormat::Json ? QDate() : today;
    const QList<DayRow> days =
        buildDayRange(request.birth, request.first, request.last, labelsFrom);
    switch (request.format) {
    case TableFormat::Text:
        return dayTableText(days);
    case TableFormat::Csv:
        return dayTableCsv(days);
    case TableFormat::Json:
        return dayTableJson(days);
    }
    Q_UNREACHABLE();
}

} // namespace

bool wantsCommandLine(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument == "--lang") {
            ++i;
        } else if (argument.startsWith("--lang=")) {
            continue;
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

int runCommandLine(int argc, char **argv, bool outputClosed)
{
    QCoreApplication app(argc, argv);
    // The register's default place depends on the program's name, as in the window.
    QCoreApplication::setApplicationName(QStringLiteral("Cyclara"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CYCLARA_VERSION));
    const InterfaceLanguage language(languageForRun(QCoreApplication::arguments()));

    QCommandLineParser parser;
    const TableOptions options(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        return printAll(parser.helpText().toUtf8(), outputClosed);
    if (parser.isSet(QStringLiteral("version")))
        return printAll(QByteArrayLiteral("cyclara " CYCLARA_VERSION "\n"), outputClosed);

    const QString registerPath =
        options.registerPath().isEmpty() ? defaultBirthFilePath() : options.registerPath();
    const QString shownPath = QDir::toNativeSeparators(registerPath);
    const QDate today = QDate::currentDate();
    bool registerUnreadable = false;
    const auto request =
        options.request(today, [&](const QString &name) -> std::variant<QDate, QString> {
            FileRead read = readBirthFile(registerPath);
            // No register beside the program is an empty one; a register named on the command
            // line that is not there, or is a folder, is a mistake to be told.
            if (read.status == FileRead::Missing && !options.registerPath().isEmpty()) {
                read.status = FileRead::Unreadable;
                read.problem =
                    examinePath(registerPath).kind == PathState::Folder
                        ? FileProblem(FileProblem::FolderInTheWay, FileProblem::Read)
                        : FileProblem(FileProblem::SystemError, FileProblem::Read, ENOENT);
            }
            registerUnreadable = read.status == FileRead::Unreadable;
            if (registerUnreadable)
                //: The register file could not be read: its path, then why
                return TableOptions::tr("无法读取姓名登记文件 %1：%2")
                    .arg(shownPath, fileProblemReason(read.problem));
            const BirthRegister people = parseBirthText(read.bytes).people;
            if (!people.contains(name))
                return TableOptions::tr("“%1”不在姓名登记 %2 中").arg(name, shownPath);
            return people.date(name);
        });
    if (const auto *problem = std::get_if<QString>(&request))
        return refuse(*problem, registerUnreadable ? 1 : 2);
    return printAll(tableBytes(std::get<TableRequest>(request), today), outputClosed);
}

std::optional<QString> windowArgumentProblem(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOption(TableOptions::languageOption());
    if (!parser.parse(arguments))
        return parser.errorText();
    return argumentProblem(parser);
}

} // namespace cyclara
