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
                     .arg(RelativeDayLabel(day.date, today), criticalCyclesText(day.cycles));
    return lines.join(u'\n');
}

QString othersSummary(qsizetype count)
{
    //: The one notification for the people past the first few reminders: how many they are
    return QCoreApplication::translate("Reminders", "另有 %1 人今天起有临界日").arg(count);
}

QString othersBody(const QList<Reminder> &others)
{
    // A few lines of names at most: the window shows them all.
    constexpr qsizetype mostNames = 12;
    QStringList names;
    for (const Reminder &reminder : others.first(qMin(others.size(), mostNames)))
        names << reminder.name;
    //: Between the names of a notification for several people
    const QString list = names.join(QCoreApplication::translate("Reminders", "、"));
    if (others.size() <= mostNames)
        return list;
    //: The names of a notification for several people, when there are more than shown
    return QCoreApplication::translate("Reminders", "%1等").arg(list);
}

} // namespace cyclara
