// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

namespace cyclara {

// What a save writes when the file changed since this session read it (another copy of the
// program saved, or someone edited it): `read` is what the session read, `ours` what it holds now
// (with its renames), `theirs` what the file holds now. No person and no date that either side
// set is lost:
// - A person this session left alone follows the file: the file's date, or gone when the file
//   no longer has them.
// - A date this session set is kept, also for a person the file no longer has.
// - A person this session removed stays removed only while the file still gives them the date
//   this session read; a date set elsewhere meanwhile keeps them.
// - A person this session renamed keeps the new name, and takes a date set elsewhere under the
//   old name unless this session set one too.
// - A person this session gave a date to, whom the file no longer has, is taken to be renamed
//   elsewhere when exactly one new name in the file carries the date this session read for them:
//   that name gets this session's date. Otherwise both names are kept.
// - Names that only the file has come after ours, in the file's order.
BirthRegister mergeRegisters(const BirthRegister &read, const BirthRegister &ours,
                             const BirthRegister &theirs);

} // namespace cyclara
