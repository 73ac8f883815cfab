#pragma once

#include "register/birthregister.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// "birth.ini": one person per line, name, TAB, yyyy-MM-dd, CR LF, in GB18030 (which is GBK for
// every character GBK has, so older files read and write byte for byte the same).

// Reads register text. A line gives a person when it holds a white-space-free word, white space
// and a valid date text (see registerDateFromText); the first such word and date of the line
// count, anything after them is ignored. Lines end at CR LF, CR or LF. A name on several lines
// keeps the place of its first line and the date of its last.
BirthRegister parseBirthText(const QByteArray &bytes);

// One line per non-empty name, in register order; an empty register gives no bytes at all. A CR or
// LF inside a name is written as a blank, so that no name can break its line or make another.
QByteArray formatBirthText(const BirthRegister &reg);

struct BirthFileRead {
    enum Status {
        Read,       // entries hold the file's register (possibly empty)
        Missing,    // no file, or a directory of that name: an empty register
        Unreadable, // a file is there but could not be read; error says why
    };
    Status status = Missing;
    BirthRegister entries;
    QString error;
};

BirthFileRead readBirthFile(const QString &path);

// Replaces the file as a whole: after any failure the previous file is left as it was.
// Returns the reason of a failure, nothing on success.
std::optional<QString> writeBirthFile(const QString &path, const BirthRegister &reg);

// "birth.ini" beside the executable when that folder is writable, otherwise in the user's data
// folder (created when needed).
QString defaultBirthFilePath();

} // namespace cyclara
