#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace cyclara {

// Whether the arguments ask for the command line rather than the window: any option of
// Cyclara's besides --lang, or a word that is no option's value. Qt's own single-dash options
// (-platform offscreen, -style fusion) leave the window.
bool wantsCommandLine(int argc, const char *const *argv);

// Runs Cyclara on the command line: prints the usage, the version or a day table to standard
// output, or one line on what is wrong to standard error. Returns the exit status: 0; 1 when the
// register cannot be read or the output could not be written (quietly when its reader went
// away); 2 for arguments it cannot follow. `outputClosed`: the program was started without a
// standard output (see reserveStandardStreams). Makes its own core application, so that it needs
// no display, and never writes the register.
int runCommandLine(int argc, char **argv, bool outputClosed);

// What is wrong with the arguments the window is started with, after Qt took its own (only
// --lang is Cyclara's there); nothing when all is well.
std::optional<QString> windowArgumentProblem(const QStringList &arguments);

} // namespace cyclara
