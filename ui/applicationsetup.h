// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace cyclara {

// What the program sets on the application before its window exists: its names.
void setUpApplication();

} // namespace cyclara
