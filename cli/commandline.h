// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/programmodule.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace cyclara {

// Whether the arguments ask for the command line rather than the window: any option of
// Cyclara's besides the window's own (--lang, --show-name, --show-date), or a word that is no
// option's value. Qt's own single-dash options (-platform offscreen, -style fusion) leave the
// window.
bool wantsCommandLine(int argc, const char *const *argv);

// Runs Cyclara on the command line: prints the usage, the version, a day table, a calendar, a
// match, the best days, a person's critical days or the next of them to standard output, sends
// reminders, or turns reminders at login on or off; or says in one line on standard error what is
// wrong. Returns the exit status: 0; 1 when the register cannot be read, the output could not be
// written (quietly when its reader went away), there is no next critical day of the kind asked
// for, reminders could not be sent or the autostart entry not be changed; 2 for arguments it
// cannot follow.
// `outputClosed`: the program was started without a standard output (see reserveStandardStreams).
// Makes its own core application, so that it needs no display, and never writes the register.
int runCommandLine(int argc, char **argv, bool outputClosed);

// Says in one line on standard error, in the user's language, that the window cannot be opened
// because its module is missing or could not be loaded; returns the exit status, 1.
int reportWindowMissing(int argc, char **argv, const ProgramModuleEntry &module);

// How the window was asked to open: on a registered person and a query date (both optional).
struct WindowStart {
    QString name;
    QDate date;
};

// What the window's options ask for, after Qt took its own; or what is wrong with them, in one
// line.
std::optional<QString> windowArgumentProblem(const QStringList &arguments);
WindowStart windowStart(const QStringList &arguments);

// Before the window is made: when the window's own options (as wantsCommandLine tells them from
// Qt's) ask for what it cannot do, says so in one line and returns 2; else returns 0.
int refuseWindowArguments(int argc, char **argv);

} // namespace cyclara
