// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reminders' sender, in a module of its own that `cyclara --remind` opens only when someone has
// a critical day due: nothing else of the program loads Qt D-Bus.
#include "cli/remindersender.h"

extern "C" Q_DECL_EXPORT int cyclaraSendReminders(const QList<cyclara::Reminder> &reminders,
                                                  const QDate &today)
{
    return cyclara::sendReminders(reminders, today);
}
