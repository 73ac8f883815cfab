#pragma once

#include "register/birthregister.h"

namespace cyclara {

// What a save writes when the file changed since it was read (another copy of the program saved,
// or someone edited it): `ours` is this session's register with its edits since the file was
// read, `theirs` what the file holds now.
//
// A name this session set keeps our date; one it removed stays removed. A name it left alone
// follows the file: the file's date, or gone when the file no longer has it. Names that only the
// file has come after ours, in the file's order.
BirthRegister mergeRegisters(const BirthRegister &ours, const BirthRegister &theirs);

} // namespace cyclara
