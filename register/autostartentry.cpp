// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/autostartentry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

} // namespace

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

std::optional<FileProblem> setRemindAtLogin(bool on, const QString &program)
{
    const QString path = remindAtLoginPath();
    if (!on) {
        errno = 0;
        if (QFile::remove(path) || !QFileInfo::exists(path))
            return std::nullopt;
        return FileProblem(FileProblem::SystemError, FileProblem::Write, errno);
    }
    const QString folder = QFileInfo(path).absolutePath();
    errno = 0;
    if (!QDir().mkpath(folder))
        return FileProblem(FileProblem::SystemError, FileProblem::CreateFolder, errno);
    return replaceFile(path, remindAtLoginEntry(program), NewFileAccess::Usual);
}

} // namespace cyclara
