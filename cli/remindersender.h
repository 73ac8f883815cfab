// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/reminders.h"

namespace cyclara {

// Sends the reminders as desktop notifications and, where the notification service has actions,
// stays to open the window on the person and day when one is clicked, until each is closed (an
// hour at most; then they are taken back). Returns the exit status: 0, or 1 after one line on
// standard error when there is no notification service or it refused one.
int sendReminders(const QList<Reminder> &reminders, const QDate &today);

} // namespace cyclara
