// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/reminders.h"

#include "model/dates.h"

#include <QCoreApplication>

namespace cyclara {

QList<Reminder> remindersDue(const BirthRegister &people, const QDate &today, int ahead)
{
    QList<Reminder> due;
    for (const QString &name : people.names()) {
        const QDate birth = people.date(name);
        if (birth > today)
            continue;
        const QList<CriticalDay> days = criticalDaysAhead(birth, today, ahead + 1);
        if (!days.isEmpty())
            due.append({name, birth, days});
    }
    return due;
}

QString reminderSummary(const Reminder &reminder)
{
    //: A reminder's title: whose critical days it tells
    return QCoreApplication::translate("Reminders", "%1的临界日").arg(reminder.name);
}

QString reminderBody(const Reminder &reminder, const QDate &today)
{
    QStringList lines;
    for (const CriticalDay &day : reminder.days)
        //: A line of a reminder: the day (今天, 明天, 6月20日), then its critical cycles
        lines << QCoreApplication::translate("Reminders", "%1：%2")
                     .arg(relativeDayLabel(day.date, today), criticalCyclesText(day.cycles));
    return lines.join(u'\n');
}

} // namespace cyclara
