// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

namespace cyclara::bench {

// `count` different Chinese names of two to four characters with birth dates spread over a
// century, as a register that has been in use for a long time would hold them.
BirthRegister sampleRegister(int count);

} // namespace cyclara::bench
