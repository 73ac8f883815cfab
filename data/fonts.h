#pragma once

#include <QFont>

namespace cyclara {

// Registers the interface face, "Cyclara Serif SC" (regular and bold), from the program's own
// resources, and lets the installed Noto CJK faces draw the characters it leaves out. Needs a
// QGuiApplication; calls after the first do nothing.
void registerInterfaceFonts();

// The window's Chinese face at pointSize: the interface face, registered on first use.
QFont cjkFont(qreal pointSize);

} // namespace cyclara
