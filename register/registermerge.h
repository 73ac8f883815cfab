// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

#include <QList>

namespace cyclara {

// One person as one side of a merge holds them.
struct MergeSide {
    QString name; // empty: this side removed the person
    QDate date;

    bool removed() const { return name.isEmpty(); }
    friend bool operator==(const MergeSide &, const MergeSide &) = default;
};

// A person whom this session and the file changed in ways that cannot both stand: two dates, two
// new names, or a removal against a change. The merge keeps one side and says so; the other side
// is only in here, for the user to read.
struct MergeConflict {
    QString readName; // the person's name when this session read the file; empty for a name both
                      // sides added
    MergeSide ours;
    MergeSide theirs;
    bool oursKept = true;

    const MergeSide &dropped() const { return oursKept ? theirs : ours; }
    friend bool operator==(const MergeConflict &, const MergeConflict &) = default;
};

// What a save writes when the file changed since this session read it (another copy of the
// program saved, or someone edited it): `read` is what the session read, `ours` what it holds now
// (with its renames), `theirs` what the file holds now. No person and no date that either side
// set is lost without a word, and nobody ends up under two names:
// - A person this session left alone follows the file: the file's date and name, or gone when the
//   file no longer has them.
// - A name or a date that only one side changed is taken from that side; a person renamed on one
//   side and given a date on the other gets both.
// - Where both sides changed the name, or both the date, differently, this session's change wins
//   (it is saved last) and the file's is a conflict.
// - A change on one side and a removal on the other: the person stays as changed, and the removal
//   is a conflict.
// - A person missing from the file is taken to be renamed there when exactly one name that only
//   the file has carries the date this session read for them. Otherwise the file removed them.
// - Both sides adding the same name with different dates: this session's date, and a conflict.
// - Names that only the file has come after ours, in the file's order.
// `conflicts`, when given, receives the conflicts in the order of the merged names.
BirthRegister mergeRegisters(const BirthRegister &read, const BirthRegister &ours,
                             const BirthRegister &theirs,
                             QList<MergeConflict> *conflicts = nullptr);

} // namespace cyclara
