// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/criticaldays.h"
#include "register/birthregister.h"

#include <QDate>
#include <QList>
#include <QString>

namespace cyclara {

// What `cyclara --remind` tells: for each person of the register with a critical day from today
// on, over `ahead` more days, one desktop notification.
struct Reminder {
    QString name;
    QDate birth;
    QList<CriticalDay> days; // the critical days due, in date order
};

// Everyone of `people` with a critical day from `today` to `ahead` days after it, in register
// order.
QList<Reminder> remindersDue(const BirthRegister &people, const QDate &today, int ahead);

// The notification of one reminder, in the interface's language: "张三的临界日", and a line per
// day, "今天：智力、情绪、体力（三重）".
QString reminderSummary(const Reminder &reminder);
QString reminderBody(const Reminder &reminder, const QDate &today);

// Beyond this many people at once, notifications would bury the desktop rather than remind: the
// first ones are told each on their own and the rest in one notification that names them.
constexpr qsizetype mostReminderNotifications = 5;

// The notification for everyone past the first few: "另有 96 人今天起有临界日", and their names.
QString othersSummary(qsizetype count);
QString othersBody(const QList<Reminder> &others);

} // namespace cyclara
