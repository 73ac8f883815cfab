// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthfile.h"
#include "register/birthtext.h"
#include "register/registermerge.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cyclara {

// One session's hold on the register file: read once at start, saved once at close, and never
// the cause of a loss. What it could not read it keeps (a backup before the first rewrite, or no
// rewrite at all); what another copy of the program or an editor wrote meanwhile it merges; a
// session that changed nothing leaves another's work alone.
class RegisterStore {
public:
    explicit RegisterStore(QString path);

    struct Opened {
        BirthRegister people;
        // The file is there but could not be read (or a lossy read could not be backed up): this
        // session will not write it.
        std::optional<FileProblem> unreadable;
        // Something of the file would not survive a rewrite; its bytes were kept here.
        QString backupPath;
        // Saving would fail: the folder could not be made or the file cannot be written.
        std::optional<FileProblem> notWritable;
    };
    Opened open();

    // Why save() will not write the file: open() found it unreadable, or could not back it up.
    std::optional<FileProblem> whyNotSaved() const { return m_unreadable; }

    // Whether `people` differ from what the file held when this session read (or last saved) it.
    bool hasChanges(const BirthRegister &people) const;

    // Writes `people` merged into what the file holds now (see mergeRegisters), in the file's own
    // encoding; a file that is new or missing gets GB18030. When the file changed meanwhile and
    // this session changed nothing, nothing is written.
    std::optional<FileProblem> save(const BirthRegister &people);
    // What the last save that merged could not reconcile: the changes it kept are in the file,
    // the others only here (see mergeRegisters). Empty after a save that merged nothing.
    const QList<MergeConflict> &conflicts() const { return m_conflicts; }

    QString path() const { return m_path; }

private:
    std::optional<FileProblem> keepIfLossy(const QByteArray &bytes, const RegisterText &text,
                                           QString *backupPath = nullptr);
    std::optional<FileProblem> saveLocked(const BirthRegister &people);
    // What the file held when this session read or last saved it.
    BirthRegister peopleRead() const;

    QString m_path;
    QByteArray m_readBytes;
    TextEncoding m_encoding = TextEncoding::Gb18030;
    std::optional<FileProblem> m_unreadable;
    QList<MergeConflict> m_conflicts;
};

} // namespace cyclara
