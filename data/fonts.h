// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace cyclara {

// Registers the interface face, "Cyclara Serif SC" (regular and bold), from the program's own
// resources, and lets the installed Noto CJK faces draw the characters it leaves out. Needs a
// QGuiApplication; calls after the first do nothing.
void registerInterfaceFonts();

// The window's face at pointSize: the interface face, registered on first use; for Traditional
// Chinese the installed Noto Serif CJK TC before it.
QFont cjkFont(qreal pointSize);

} // namespace cyclara
