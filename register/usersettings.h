// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/furthercycles.h"

namespace cyclara {

// What the user chose once and Cyclara remembers for them, in their own settings file (never in
// the register): the further cycles turned on.
FurtherCycles savedFurtherCycles();
// Remembers `cycles`; false when the settings file could not be written.
bool saveFurtherCycles(const FurtherCycles &cycles);

} // namespace cyclara
