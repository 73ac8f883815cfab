// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/remindersender.h"

#include "cli/desktopnotifications.h"

#include <QCoreApplication>
#include <QHash>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace cyclara {

namespace {

// Long enough to click a reminder seen on coming back to the desk; not a process for the day.
constexpr int longestStayMilliseconds = 60 * 60 * 1000;

void complain(const QString &what)
{
    const QByteArray line = "cyclara: " + what.toUtf8() + '\n';
    [[maybe_unused]] const std::size_t written =
        std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

} // namespace

int sendReminders(const QList<Reminder> &reminders, const QDate &today)
{
    DesktopNotifications notifications;
    if (const auto problem = notifications.reach()) {
        //: Reminders could not be sent; why
        complain(QCoreApplication::translate("Reminders", "无法发出提醒：%1").arg(*problem));
        return 1;
    }
    QHash<uint, Reminder> open;
    for (const Reminder &reminder : reminders) {
        uint id = 0;
        if (const auto problem =
                notifications.send(reminderSummary(reminder), reminderBody(reminder, today), &id)) {
            complain(QCoreApplication::translate("Reminders", "无法发出提醒：%1").arg(*problem));
            return 1;
        }
        open.insert(id, reminder);
    }
    if (!notifications.hasActions())
        return 0;

    // A click opens the window on that person and their first critical day.
    QObject::connect(&notifications, &DesktopNotifications::clicked, &notifications, [&](uint id) {
        const auto reminder = open.constFind(id);
        if (reminder == open.cend())
            return;
        QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                {QStringLiteral("--show-name"), reminder->name,
                                 QStringLiteral("--show-date"),
                                 reminder->days.constFirst().date.toString(Qt::ISODate)});
        notifications.close(id);
    });
    QObject::connect(&notifications, &DesktopNotifications::closed, &notifications, [&](uint id) {
        if (open.remove(id) && open.isEmpty())
            QCoreApplication::quit();
    });
    QTimer::singleShot(longestStayMilliseconds, &notifications, [&] {
        // Nobody is left to open the window: no reminder may offer it any more.
        for (const uint id : open.keys())
            notifications.close(id);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    return 0;
}

} // namespace cyclara
