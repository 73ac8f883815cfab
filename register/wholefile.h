// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

#include <optional>

namespace cyclara {

// Files read and replaced whole, safely: the register, and what the window exports.

// Why a file could not be read, written or prepared. The window and the command line say it in
// words (register/registermessages.h).
struct FileProblem {
    enum Kind {
        SystemError,       // a system call failed; `error` holds its errno (0 when unknown)
        FolderInTheWay,    // a folder has the file's name
        NotAFile,          // a pipe, device or socket has the file's name
        TooLarge,          // bigger than a register can be, read or to be written
        ForeignLink,       // a symbolic link owned neither by the user nor by root
        Busy,              // another copy of the program is saving the register right now
        TooManyBackups,    // every backup name is taken by another file
        LockIsFolder,      // a folder stands where the register's lock goes (`where`)
        LockIsNotAFile,    // a pipe, device, socket or link stands there
        LockOfAnotherUser, // another user's file stands there
        LockUnreadable,    // an empty or unknown file, too old to be a save in progress
    };
    enum Action { Read, Write, CreateFolder, Backup };

    FileProblem() = default;
    FileProblem(Kind problemKind, Action problemAction, int errorNumber = 0, QString lockPath = {})
        : kind(problemKind)
        , action(problemAction)
        , error(errorNumber)
        , where(std::move(lockPath))
    {
    }

    Kind kind = SystemError;
    Action action = Read;
    int error = 0;
    QString where; // the lock's path, for the lock problems

    friend bool operator==(const FileProblem &, const FileProblem &) = default;
};

// What stands at a path, without following a link that someone else owns (in a folder that
// others may write to, a planted link could lead to any of the user's files).
struct PathState {
    enum Kind { Nothing, File, Folder, Other, ForeignLink, Failed };
    Kind kind = Nothing;
    struct stat info = {}; // of what a followed link leads to
    int error = 0;
};
PathState examinePath(const QString &path);
// Why what stands at a path may not be replaced by a file: a folder, a device, pipe or socket, a
// link someone else owns, or a path that could not be examined. Nothing for a file or nothing.
std::optional<FileProblem> refusalToReplace(const PathState &state);

// Who may read a file that replaceFile() makes new.
enum class NewFileAccess {
    OwnerOnly, // the user's own data
    Usual,     // as the user's umask says: an export meant to be shared
};

// Replaces the file at `path` as a whole: the bytes are written beside it and renamed over it only
// when every write succeeded, so after any failure the old file is whole. Only a regular file (or
// a link of the user's own to one) is replaced: a folder, device, pipe or socket is refused. An
// existing file keeps its permissions, and its owner when root writes it.
std::optional<FileProblem> replaceFile(const QString &path, const QByteArray &bytes,
                                       NewFileAccess access);

} // namespace cyclara
