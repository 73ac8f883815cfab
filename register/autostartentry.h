// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/wholefile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// The desktop's autostart entry that runs `cyclara --remind` when the user logs in (the XDG
// autostart rules): $XDG_CONFIG_HOME/autostart/io.github.cyclara.Cyclara-remind.desktop, or
// ~/.config/autostart/ when XDG_CONFIG_HOME is unset or not an absolute path. There is no other
// setting: the entry's presence is the choice.
QString remindAtLoginPath();

// Whether reminders start at login: the entry is there and not hidden (Hidden=true turns an entry
// off, as a desktop's settings may do).
bool remindsAtLogin();

// Why the entry could not be written or removed.
struct LoginEntryProblem {
    enum Kind {
        File,          // `file` says why
        NotOurs,       // a file, link or folder of that name that Cyclara did not write
        UnsafeProgram, // the program's path cannot be written on an Exec line as it is
    };
    Kind kind = File;
    FileProblem file;
};
// Why, in one line in the interface's language.
QString fileProblemReason(const LoginEntryProblem &problem);

// Writes the entry, starting `program`, or removes it. Removing one that is not there succeeds.
// Only Cyclara's own entry is replaced or removed: one the user made by hand, a link or a folder
// of the same name is left as it is.
std::optional<LoginEntryProblem> setRemindAtLogin(bool on, const QString &program);

// The entry's text, for `program`'s absolute path.
QByteArray remindAtLoginEntry(const QString &program);

} // namespace cyclara
