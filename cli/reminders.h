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

// Sends the reminders as desktop notifications and, where the notification service has actions,
// stays to open the window on the person and day when one is clicked, until each is closed (an
// hour at most; then they are taken back). Returns the exit status: 0, or 1 after one line on
// standard error when there is no notification service or it refused one.
int sendReminders(const QList<Reminder> &reminders, const QDate &today);

} // namespace cyclara
