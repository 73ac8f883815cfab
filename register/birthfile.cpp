#include "register/birthfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace cyclara {

namespace {

FileProblem systemError(FileProblem::Action action, int error)
{
    return {FileProblem::SystemError, action, error};
}

bool ownedByUserOrRoot(const struct stat &info)
{
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

// What stands at the path, without following a link that someone else owns.
struct PathState {
    enum Kind { Nothing, File, Folder, Other, ForeignLink, Failed };
    Kind kind = Nothing;
    struct stat info = {};
    int error = 0;
};

PathState examine(const QByteArray &path)
{
    PathState state;
    struct stat link = {};
    if (::lstat(path.constData(), &link) != 0) {
        state.error = errno;
        state.kind = (errno == ENOENT || errno == ENOTDIR) ? PathState::Nothing : PathState::Failed;
        return state;
    }
    if (S_ISLNK(link.st_mode) && !ownedByUserOrRoot(link)) {
        state.kind = PathState::ForeignLink;
        return state;
    }
    if (::stat(path.constData(), &state.info) != 0) {
        state.error = errno;
        // A link that leads nowhere stands for no file.
        state.kind = errno == ENOENT ? PathState::Nothing : PathState::Failed;
        return state;
    }
    if (S_ISDIR(state.info.st_mode))
        state.kind = PathState::Folder;
    else if (S_ISREG(state.info.st_mode))
        state.kind = PathState::File;
    else
        state.kind = PathState::Other;
    return state;
}

// What stands in the way of writing a register where `state` was found; nothing for a file or
// no file at all.
std::optional<FileProblem> whyNotWritable(const PathState &state)
{
    switch (state.kind) {
    case PathState::Folder:
        return FileProblem{FileProblem::FolderInTheWay, FileProblem::Write};
    case PathState::Other:
        return FileProblem{FileProblem::NotAFile, FileProblem::Write};
    case PathState::ForeignLink:
        return FileProblem{FileProblem::ForeignLink, FileProblem::Write};
    case PathState::Failed:
        return systemError(FileProblem::Write, state.error);
    case PathState::Nothing:
    case PathState::File:
        break;
    }
    return std::nullopt;
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
    const QByteArray nativePath = QFile::encodeName(path);
    const PathState state = examine(nativePath);
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

    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
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
    const PathState state = examine(QFile::encodeName(path));
    if (const auto problem = whyNotWritable(state))
        return problem;

    // QSaveFile writes beside the file and renames over it only when everything went well; an
    // existing file's permissions carry over, and a link (the user's own) keeps leading to it.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return systemError(FileProblem::Write, errno);
    if (state.kind == PathState::Nothing &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const int error = errno;
        file.cancelWriting();
        return systemError(FileProblem::Write, error);
    }
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return systemError(FileProblem::Write, error);
    }
    errno = 0;
    if (!file.commit())
        return systemError(FileProblem::Write, errno);
    return std::nullopt;
}

std::optional<FileProblem> prepareBirthFolder(const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        errno = 0;
        if (!QDir().mkpath(folder))
            return systemError(FileProblem::CreateFolder, errno);
    }
    const PathState state = examine(QFile::encodeName(path));
    if (const auto problem = whyNotWritable(state))
        return problem;
    if (state.kind == PathState::File && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return systemError(FileProblem::Write, errno);
    // The new file is made in the folder and renamed over the old one.
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return systemError(FileProblem::Write, errno);
    return std::nullopt;
}

Backup keepBackup(const QString &path, const QByteArray &bytes)
{
    constexpr int attempts = 100;
    for (int n = 0; n < attempts; ++n) {
        const QString candidate =
            n == 0 ? path + QStringLiteral(".bak") : path + QStringLiteral(".bak.%1").arg(n);
        const FileRead existing = readBirthFile(candidate);
        if (existing.status == FileRead::Read && existing.bytes == bytes)
            return {candidate, std::nullopt};
        if (existing.status != FileRead::Missing || QFileInfo(candidate).isDir())
            continue;
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
        return {candidate, std::nullopt};
    }
    return {{}, systemError(FileProblem::Backup, EEXIST)};
}

QString defaultBirthFilePath()
{
    static const QString fileName = QStringLiteral("birth.ini");
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(programDir).isWritable())
        return QDir(programDir).filePath(fileName);
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(fileName);
}

} // namespace cyclara
