#include "cli/reminders.h"

#include "cli/desktopnotifications.h"
#include "model/dates.h"

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
