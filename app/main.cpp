// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/commandline.h"
#include "cli/outputstream.h"
#include "cli/programmodule.h"

namespace {

// The window lives in a module of its own: see ProgramModuleEntry.
int runWindow(int argc, char *argv[])
{
    const cyclara::ProgramModuleEntry window =
        cyclara::openProgramModule("cyclara-window.so", "cyclaraRunWindow");
    if (!window.function)
        return cyclara::reportWindowMissing(argc, argv, window);
    using RunWindow = int (*)(int, char *[]);
    return reinterpret_cast<RunWindow>(window.function)(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const bool outputClosed = cyclara::reserveStandardStreams();
    if (cyclara::wantsCommandLine(argc, argv))
        return cyclara::runCommandLine(argc, argv, outputClosed);
    return runWindow(argc, argv);
}
