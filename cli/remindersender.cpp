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
    // Who each notification opens the window on: its person, or the first of those it names.
    QHash<uint, Reminder> open;
    const auto send = [&](const QString &summary, const QString &body, const Reminder &opens) {
        uint id = 0;
        const auto problem = notifications.send(summary, body, &id);
        if (problem) {
            // Those sent would offer a click that nobody is left to answer.
            for (const uint sent : open.keys())
                notifications.close(sent);
            complain(QCoreApplication::translate("Reminders", "无法发出提醒：%1").arg(*problem));
        } else {
            open.insert(id, opens);
        }
        return !problem;
    };
    const qsizetype alone = reminders.size() <= mostReminderNotifications
                                ? reminders.size()
                                : mostReminderNotifications - 1;
    for (const Reminder &reminder : reminders.first(alone)) {
        if (!send(reminderSummary(reminder), reminderBody(reminder, today), reminder))
            return 1;
    }
    if (alone < reminders.size()) {
        const QList<Reminder> others = reminders.sliced(alone);
        if (!send(othersSummary(others.size()), othersBody(others), others.constFirst()))
            return 1;
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
    int status = 0;
    QObject::connect(&notifications, &DesktopNotifications::vanished, &notifications, [&] {
        if (status != 0)
            return;
        status = 1;
        //: The notification service ended while reminders were shown: they are gone with it
        complain(QCoreApplication::translate("Reminders", "通知服务已中止，提醒随之消失"));
        QCoreApplication::exit(status);
    });
    QTimer::singleShot(longestStayMilliseconds, &notifications, [&] {
        // Nobody is left to open the window: no reminder may offer it any more.
        for (const uint id : open.keys())
            notifications.close(id);
        QCoreApplication::quit();
    });
    QCoreApplication::exec();
    return status;
}

} // namespace cyclara
