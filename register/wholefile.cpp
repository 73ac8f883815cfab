// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "register/wholefile.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

#include <cerrno>

namespace cyclara {

namespace {

bool ownedByUserOrRoot(const struct stat &info)
{
    return info.st_uid == ::geteuid() || info.st_uid == 0;
}

FileProblem writeError(int error)
{
    return {FileProblem::SystemError, FileProblem::Write, error};
}

} // namespace

PathState examinePath(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    PathState state;
    struct stat link = {};
    if (::lstat(native.constData(), &link) != 0) {
        state.error = errno;
        state.kind = (errno == ENOENT || errno == ENOTDIR) ? PathState::Nothing : PathState::Failed;
        return state;
    }
    if (S_ISLNK(link.st_mode) && !ownedByUserOrRoot(link)) {
        state.kind = PathState::ForeignLink;
        return state;
    }
    if (::stat(native.constData(), &state.info) != 0) {
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

std::optional<FileProblem> refusalToReplace(const PathState &state)
{
    switch (state.kind) {
    case PathState::Folder:
        return FileProblem{FileProblem::FolderInTheWay, FileProblem::Write};
    case PathState::Other:
        // Writing beside a device and renaming over it would replace the device itself.
        return FileProblem{FileProblem::NotAFile, FileProblem::Write};
    case PathState::ForeignLink:
        return FileProblem{FileProblem::ForeignLink, FileProblem::Write};
    case PathState::Failed:
        return writeError(state.error);
    case PathState::Nothing:
    case PathState::File:
        break;
    }
    return std::nullopt;
}

std::optional<FileProblem> replaceFile(const QString &path, const QByteArray &bytes,
                                       NewFileAccess access)
{
    const PathState state = examinePath(path);
    if (const auto refusal = refusalToReplace(state))
        return refusal;

    // QSaveFile writes beside the file and renames over it only when everything went well; an
    // existing file's permissions carry over, and a link (the user's own) keeps leading to it.
    QSaveFile file(path);
    errno = 0;
    // Unbuffered: QSaveFile::commit() ignores a failure of the last buffered write, and would
    // put a cut-off file in the old one's place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeError(errno);
    const auto fail = [&file](int error) {
        file.cancelWriting();
        return writeError(error);
    };
    if (state.kind == PathState::Nothing && access == NewFileAccess::OwnerOnly &&
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail(errno);
    // Root saving a user's file leaves it the user's: otherwise the user could no longer save it.
    if (state.kind == PathState::File && ::geteuid() == 0 && state.info.st_uid != 0 &&
        ::fchown(file.handle(), state.info.st_uid, state.info.st_gid) != 0)
        return fail(errno);
    if (file.write(bytes) != bytes.size())
        return fail(errno);
    errno = 0;
    if (!file.commit())
        return writeError(errno);
    return std::nullopt;
}

} // namespace cyclara
