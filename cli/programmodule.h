// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace cyclara {

// A part of the program kept in a module of its own, opened only when a run needs it, so that a
// table printed every few seconds loads no more than QtCore: the window (Qt Widgets) and the
// reminders' sender (Qt D-Bus). The modules lie at the same place relative to the program in the
// build and in the install, and are found through the program's own file, wherever it was started
// from. Only a module that no other user could have put there is opened: a copy of the program
// in a folder others may write to opens nothing beside it.
struct ProgramModuleEntry {
    // The entry, or null when the module could not be opened or lacks it.
    QFunctionPointer function = nullptr;
    QString path;
    // The system's reason the module there could not be loaded; empty when it is missing.
    QString loaderError;
    // The module's file or a folder above it that another user owns or may write to; empty when
    // there is none.
    QString openToOthers;
};

// Opens the module `fileName` (it stays loaded to the end of the program, as its objects may) and
// finds `entryName` in it.
ProgramModuleEntry openProgramModule(const char *fileName, const char *entryName);

// Why a module gave no entry, in one line in the interface's language.
QString programModuleProblem(const ProgramModuleEntry &entry);

} // namespace cyclara
