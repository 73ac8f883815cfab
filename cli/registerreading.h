// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "register/birthregister.h"

#include <QString>

#include <variant>

namespace cyclara {

// The register as the command line reads it: only read, never written. A register at the window's
// own place that is not there is an empty one; one named with --register (`named`) that is not
// there, or is a folder, cannot be read.
struct RegisterRefusal {
    QString message; // in the user's language, naming the file
};
std::variant<BirthRegister, RegisterRefusal> readRegisterForCommandLine(const QString &path,
                                                                        bool named);

} // namespace cyclara
