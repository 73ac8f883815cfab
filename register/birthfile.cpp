// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/birthfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace cyclara {

namespace {

FileProblem systemError(FileProblem::Action action, int error)
{
    return {FileProblem::SystemError, action, error};
}

// Reads at most `limit` + 1 bytes, so that a file growing meanwhile is still caught as too large.
std::optional<int> readAll(int fd, qint64 limit, QByteArray &bytes)
{
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return std::nullopt;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes.append(buffer, qsizetype(got));
    }
    return std::nullopt;
}

} // namespace

FileRead readBirthFile(const QString &path)
{
    FileRead result;
    const PathState state = examinePath(path);
    result.status = FileRead::Unreadable;
    switch (state.kind) {
    case PathState::Nothing:
    case PathState::Folder:
        result.status = FileRead::Missing;
        return result;
    case PathState::ForeignLink:
        result.problem = {FileProblem::ForeignLink, FileProblem::Read};
        return result;
    case PathState::Other:
        // A pipe or device could block the start or never end.
        result.problem = {FileProblem::NotAFile, FileProblem::Read};
        return result;
    case PathState::Failed:
        result.problem = systemError(FileProblem::Read, state.error);
        return result;
    case PathState::File:
        break;
    }
    if (state.info.st_size > maxBirthFileBytes) {
        result.problem = {FileProblem::TooLarge, FileProblem::Read};
        return result;
    }

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.problem = systemError(FileProblem::Read, errno);
        return result;
    }
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        // Swapped for something else between the look and the open.
        ::close(fd);
        result.problem = {FileProblem::NotAFile, FileProblem::Read};
        return result;
    }
    result.bytes.reserve(qsizetype(opened.st_size));
    const std::optional<int> failure = readAll(fd, maxBirthFileBytes, result.bytes);
    ::close(fd);
    if (failure) {
        result.problem = systemError(FileProblem::Read, *failure);
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > maxBirthFileBytes) {
        result.problem = {FileProblem::TooLarge, FileProblem::Read};
        result.bytes.clear();
        return result;
    }
    result.status = FileRead::Read;
    return result;
}

std::optional<FileProblem> writeBirthFile(const QString &path, const QByteArray &bytes)
{
    if (bytes.size() > maxBirthFileBytes)
        return FileProblem{FileProblem::TooLarge, FileProblem::Write};
    return replaceFile(path, bytes, NewFileAccess::OwnerOnly);
}

std::optional<FileProblem> prepareBirthFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        errno = 0;
        if (!QDir().mkpath(folder))
            return systemError(FileProblem::CreateFolder, errno);
    }
    const PathState state = examinePath(path);
    if (const auto refusal = refusalToReplace(state))
        return refusal;
    if (state.kind == PathState::File && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return systemError(FileProblem::Write, errno);
    // The new file is made in the folder and renamed over the old one.
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return systemError(FileProblem::Write, errno);
    return std::nullopt;
}

QString birthLockPath(const QString &path)
{
    return path + QStringLiteral(".lock");
}

std::optional<FileProblem> whatBlocksTheLock(const QString &path, int wait)
{
    const QString lockPath = birthLockPath(path);
    struct stat info = {};
    if (::lstat(QFile::encodeName(lockPath).constData(), &info) != 0)
        return std::nullopt;
    const auto blocked = [&lockPath](FileProblem::Kind kind) {
        return FileProblem{kind, FileProblem::Write, 0, lockPath};
    };
    if (S_ISDIR(info.st_mode))
        return blocked(FileProblem::LockIsFolder);
    if (!S_ISREG(info.st_mode))
        return blocked(FileProblem::LockIsNotAFile);
    if (info.st_uid != ::geteuid())
        return blocked(FileProblem::LockOfAnotherUser);
    qint64 pid = 0;
    QString hostName;
    QString appName;
    const QDateTime modified = QFileInfo(lockPath).lastModified();
    if (!QLockFile(lockPath).getLockInfo(&pid, &hostName, &appName) &&
        modified.msecsTo(QDateTime::currentDateTime()) > wait)
        return blocked(FileProblem::LockUnreadable);
    return std::nullopt;
}

Backup keepBackup(const QString &path, const QByteArray &bytes)
{
    constexpr int names = 100;
    for (int n = 0; n < names; ++n) {
        const QString candidate =
            n == 0 ? path + QStringLiteral(".bak") : path + QStringLiteral(".bak.%1").arg(n);
        struct stat info = {};
        if (::lstat(QFile::encodeName(candidate).constData(), &info) == 0) {
            const bool ownFile = S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
            if (ownFile && readBirthFile(candidate).bytes == bytes)
                return {candidate, std::nullopt};
            continue;
        }
        // NewOnly: never write over a file (or through a link) that appeared meanwhile.
        QFile file(candidate);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                       QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
            if (errno == EEXIST)
                continue;
            return {{}, systemError(FileProblem::Backup, errno)};
        }
        if (file.write(bytes) != bytes.size() || !file.flush()) {
            const int error = errno;
            file.close();
            QFile::remove(candidate);
            return {{}, systemError(FileProblem::Backup, error)};
        }
        file.close();
        if (file.error() != QFileDevice::NoError) {
            const int error = errno;
            QFile::remove(candidate);
            return {{}, systemError(FileProblem::Backup, error)};
        }
        return {candidate, std::nullopt};
    }
    return {{}, FileProblem{FileProblem::TooManyBackups, FileProblem::Backup}};
}

QString defaultBirthFilePath()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable())
        return QDir(programDir).filePath(QStringLiteral("birth.ini"));
    return userBirthFilePath();
}

QString userBirthFilePath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The XDG rules ignore a relative XDG_DATA_HOME, which would put the register wherever the
    // program happens to be started; Qt 6.4 takes it as it is.
    if (QDir::isRelativePath(folder)) {
        const QString dataHome = QDir::cleanPath(qEnvironmentVariable("XDG_DATA_HOME"));
        folder = QDir::homePath() + QStringLiteral("/.local/share") +
                 QDir::cleanPath(folder).sliced(dataHome.size());
    }
    return QDir(folder).filePath(QStringLiteral("birth.ini"));
}

} // namespace cyclara
