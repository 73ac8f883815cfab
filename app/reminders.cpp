// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminders' sender, in a module of its own that `cyclara --remind` opens only when someone has
// a critical day due: nothing else of the program loads Qt D-Bus.
#include "cli/remindersender.h"

#include <QtGlobal>

namespace {

// Qt D-Bus speaks up on the terminal about a bus or service gone wrong, down to the program's
// exit, in words meant for Qt's developers; what the user needs is Cyclara's own line. (Qt's
// fatal messages end the program all the same.)
void keepQtQuiet(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

extern "C" Q_DECL_EXPORT int cyclaraSendReminders(const QList<cyclara::Reminder> &reminders,
                                                  const QDate &today)
{
    qInstallMessageHandler(&keepQtQuiet);
    return cyclara::sendReminders(reminders, today);
}
