// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/wholefile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// The register file on disk, as bytes: reading, checking, writing and backing up "birth.ini".

// A register of even a million people is a fraction of this; anything bigger is not a register.
// Cyclara neither reads nor writes a register past it, so it never writes one it would refuse.
inline constexpr qint64 maxBirthFileBytes = 16 * 1024 * 1024;

struct FileRead {
    enum Status {
        Read,       // bytes hold the whole file (possibly empty)
        Missing,    // no file, or a folder of that name: an empty register
        Unreadable, // something is there that must not be read or overwritten; see problem
    };
    Status status = Missing;
    QByteArray bytes;
    FileProblem problem;
};

// Reads the whole file. A symbolic link is followed only when the user or root owns it.
FileRead readBirthFile(const QString &path);

// Replaces the file as a whole (see replaceFile): a new file is readable by its owner only.
// Refuses bytes past maxBirthFileBytes.
std::optional<FileProblem> writeBirthFile(const QString &path, const QByteArray &bytes);

// Creates the register's folder when needed (also when it was removed since the start) and checks
// that the file could be written there.
std::optional<FileProblem> prepareBirthFolder(const QString &path);

// Where the lock that keeps two saves apart lies: beside the register.
QString birthLockPath(const QString &path);

// What stands where the lock goes that no running Cyclara of this user can have put there: a
// folder, something that is no file, another user's file, or a file that is empty or unknown and
// older than a save takes (`wait` milliseconds). Nothing when the place is free or holds a lock
// that a live or a crashed Cyclara of this user left (QLockFile tells those two apart).
std::optional<FileProblem> whatBlocksTheLock(const QString &path, int wait);

struct Backup {
    QString path;                       // where the bytes are kept, when kept
    std::optional<FileProblem> problem; // why they could not be kept
};

// Keeps `bytes` beside the file as "birth.ini.bak", or ".bak.1" to ".bak.99" when that name is
// taken. A backup is used as it is only when it is a regular file of the user's own with the same
// bytes: one planted by another user could vanish with the only copy.
Backup keepBackup(const QString &path, const QByteArray &bytes);

// "birth.ini" beside the executable when that folder is writable, otherwise userBirthFilePath().
QString defaultBirthFilePath();
// "birth.ini" in the user's data folder: ~/.local/share/Cyclara, or Cyclara in $XDG_DATA_HOME
// when that is an absolute path.
QString userBirthFilePath();

} // namespace cyclara
