// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/autostartentry.h"

#include "register/registermessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace cyclara {

namespace {

// An argument of an Exec line: quoted when it holds what the line would split or expand.
QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString escaped = argument;
    escaped.replace(u'%', QStringLiteral("%%"));
    if (std::none_of(escaped.begin(), escaped.end(), [](QChar c) { return reserved.contains(c); }))
        return escaped;
    QString quoted;
    for (const QChar c : escaped) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    // In a desktop entry's value a backslash itself is escaped once more.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + quoted + u'"';
}

// Whether `program` can stand on an Exec line as it is: a desktop entry is UTF-8 text of one line
// per key, and control characters have no sound quoting there.
bool writableOnExecLine(const QString &program)
{
    if (QDir::isRelativePath(program) ||
        std::ranges::any_of(program, [](QChar c) { return c.category() == QChar::Other_Control; }))
        return false;
    // A path that is not UTF-8 text was read with stand-ins for its bytes: it names no file.
    struct stat info = {};
    return ::stat(QFile::encodeName(program).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// Cyclara's own entry, as any version wrote it, also after a desktop's settings added to it.
bool writtenByCyclara(const QByteArray &text)
{
    bool inEntry = false;
    bool named = false;
    bool reminds = false;
    for (const QByteArray &raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntry)
            continue;
        named = named || line == "Name=Cyclara reminders";
        reminds = reminds || (line.startsWith("Exec=") && line.endsWith(" --remind"));
    }
    return named && reminds;
}

LoginEntryProblem fileProblem(FileProblem::Kind kind, FileProblem::Action action, int error = 0)
{
    return {LoginEntryProblem::File, FileProblem(kind, action, error)};
}

// Why what stands at the entry's place may not be replaced or removed; `present` tells whether
// anything stands there. A link is not followed: what it leads to is not Cyclara's to change.
std::optional<LoginEntryProblem> refusalToChange(const QString &path, bool &present)
{
    present = false;
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return std::nullopt;
        return fileProblem(FileProblem::SystemError, FileProblem::Read, errno);
    }
    present = true;
    if (S_ISDIR(info.st_mode))
        return fileProblem(FileProblem::FolderInTheWay, FileProblem::Write);
    if (S_ISLNK(info.st_mode))
        return LoginEntryProblem{LoginEntryProblem::NotOurs, {}};
    if (!S_ISREG(info.st_mode))
        return fileProblem(FileProblem::NotAFile, FileProblem::Write);
    // Cyclara's entry is well under a kilobyte; anything much larger is someone else's.
    constexpr qint64 largestEntry = 64 * 1024;
    if (info.st_size > largestEntry)
        return LoginEntryProblem{LoginEntryProblem::NotOurs, {}};
    QFile entry(path);
    errno = 0;
    if (!entry.open(QIODevice::ReadOnly))
        return fileProblem(FileProblem::SystemError, FileProblem::Read, errno);
    const QByteArray text = entry.read(largestEntry + 1);
    if (entry.error() != QFileDevice::NoError)
        return fileProblem(FileProblem::SystemError, FileProblem::Read, errno);
    if (!writtenByCyclara(text))
        return LoginEntryProblem{LoginEntryProblem::NotOurs, {}};
    return std::nullopt;
}

} // namespace

QString fileProblemReason(const LoginEntryProblem &problem)
{
    switch (problem.kind) {
    case LoginEntryProblem::NotOurs:
        //: A file or link of the autostart entry's name that Cyclara did not write
        return QCoreApplication::translate(
            "LoginEntry", "这个位置上已有一个不是 Cyclara 写的文件或链接，为安全起见不去改动它");
    case LoginEntryProblem::UnsafeProgram:
        //: The program's own path cannot be written into the autostart entry
        return QCoreApplication::translate(
            "LoginEntry",
            "本程序文件的路径中有换行符等控制字符，或不是 UTF-8 文字，桌面无法照原样运行它");
    case LoginEntryProblem::File:
        break;
    }
    return fileProblemReason(problem.file);
}

QString remindAtLoginPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/autostart/io.github.cyclara.Cyclara-remind.desktop");
}

bool remindsAtLogin()
{
    QFile entry(remindAtLoginPath());
    if (!entry.open(QIODevice::ReadOnly))
        return false;
    while (!entry.atEnd()) {
        if (entry.readLine().trimmed() == "Hidden=true")
            return false;
    }
    return true;
}

QByteArray remindAtLoginEntry(const QString &program)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Cyclara reminders\n"
                          "Name[zh_CN]=Cyclara 关键日提醒\n"
                          "Name[zh_TW]=Cyclara 關鍵日提醒\n"
                          "Comment=Tells who of the people in the register has a critical day\n"
                          "Comment[zh_CN]=提醒姓名登记中有关键日的人\n"
                          "Comment[zh_TW]=提醒姓名登記中有關鍵日的人\n"
                          "Exec=%1 --remind\n"
                          "Icon=cyclara\n"
                          "Terminal=false\n"
                          "NoDisplay=true\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program))
        .toUtf8();
}

std::optional<LoginEntryProblem> setRemindAtLogin(bool on, const QString &program)
{
    if (on && !writableOnExecLine(program))
        return LoginEntryProblem{LoginEntryProblem::UnsafeProgram, {}};
    const QString path = remindAtLoginPath();
    bool present = false;
    if (auto refusal = refusalToChange(path, present))
        return refusal;
    if (!on) {
        errno = 0;
        if (!present || QFile::remove(path))
            return std::nullopt;
        return fileProblem(FileProblem::SystemError, FileProblem::Write, errno);
    }
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder))
        return fileProblem(FileProblem::SystemError, FileProblem::CreateFolder, errno);
    if (const auto problem = replaceFile(path, remindAtLoginEntry(program), NewFileAccess::Usual))
        return LoginEntryProblem{LoginEntryProblem::File, *problem};
    return std::nullopt;
}

} // namespace cyclara
