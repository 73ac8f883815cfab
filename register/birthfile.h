#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// The register file on disk, as bytes: reading, checking, writing and backing up "birth.ini".

// Why the register file could not be read, written or prepared. The window says it in words.
struct FileProblem {
    enum Kind {
        SystemError,    // a system call failed; `error` holds its errno (0 when unknown)
        FolderInTheWay, // a folder has the register's name
        NotAFile,       // a pipe, device or socket has the register's name
        TooLarge,       // bigger than maxBirthFileBytes: not a register of names
        ForeignLink,    // a symbolic link owned neither by the user nor by root
        Busy,           // another copy of the program is saving it right now
    };
    enum Action { Read, Write, CreateFolder, Backup };

    Kind kind = SystemError;
    Action action = Read;
    int error = 0;

    friend bool operator==(const FileProblem &, const FileProblem &) = default;
};

// A register of even a million people is a fraction of this; anything bigger is not a register.
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

// Reads the whole file. A symbolic link is followed only when the user or root owns it (in a
// folder that others may write to, a planted link could point at any of the user's files).
FileRead readBirthFile(const QString &path);

// Replaces the file as a whole (write beside it, then rename): after any failure the previous
// file is left as it was. A new file is readable by its owner only; an existing one keeps its
// permissions.
std::optional<FileProblem> writeBirthFile(const QString &path, const QByteArray &bytes);

// Creates the register's folder when needed and checks that the file could be written there.
std::optional<FileProblem> prepareBirthFolder(const QString &path);

struct Backup {
    QString path;                       // where the bytes are kept, when kept
    std::optional<FileProblem> problem; // why they could not be kept
};

// Keeps `bytes` beside the file as "birth.ini.bak", or ".bak.1", ".bak.2", ... when an older,
// different backup is already there; a backup with the same bytes is used as it is.
Backup keepBackup(const QString &path, const QByteArray &bytes);

// "birth.ini" beside the executable when that folder is writable, otherwise in the user's data
// folder.
QString defaultBirthFilePath();

} // namespace cyclara
