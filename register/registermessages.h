// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/registermerge.h"
#include "register/wholefile.h"

#include <QString>

namespace cyclara {

// What the window tells the user about the register file, wholly in the interface's language.
// Paths are shown as the system writes them.

// Why a file operation failed, as the user reads it.
QString fileProblemReason(const FileProblem &problem);

// At start: the file could not be read (or a lossy read could not be backed up); this session
// will not write it.
QString unreadableRegisterMessage(const QString &path, const FileProblem &problem);
// At start: something of the file would not survive a rewrite; its bytes were kept.
QString backupKeptMessage(const QString &path, const QString &backupPath);
// At start: saving at close would fail.
QString registerNotWritableMessage(const QString &path, const FileProblem &problem);
// At close: the names of this session are not saved, for `problem` (see
// RegisterStore::whyNotSaved): the file could not be read, or not be backed up.
QString unsavedMessage(const QString &path, const FileProblem &problem);
// At close: the save failed; offers Retry and Cancel. `fileExists`: whether an old file stays.
QString saveFailedMessage(const QString &path, const FileProblem &problem, bool fileExists);
// At close: the save cannot succeed however often it is tried (the register would be too large
// to read back); says so, with nothing to choose.
QString saveRefusedMessage(const QString &path, const FileProblem &problem, bool fileExists);
// After a save that merged another copy's or an editor's changes: the changes that could not both
// stand, one line for each person, and which one the file now holds.
QString mergeConflictsMessage(const QString &path, const QList<MergeConflict> &conflicts);

} // namespace cyclara
