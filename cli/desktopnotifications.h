// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>

#include <optional>

namespace cyclara {

// The desktop's notification service (org.freedesktop.Notifications on the session bus), as
// every Linux desktop offers it: notifications sent in Cyclara's name and with its icon, a click
// on one (its default action, where the service has actions) and its closing reported back.
class DesktopNotifications : public QObject {
    Q_OBJECT
public:
    explicit DesktopNotifications(QObject *parent = nullptr);
    // Leaves the bus here, not in the program's last moments, where Qt D-Bus's own thread would
    // still be answering it while QtCore is being taken down.
    ~DesktopNotifications() override;

    // Reaches the service; what is wrong when there is no session bus or nobody serves
    // notifications on it.
    std::optional<QString> reach();
    bool hasActions() const { return m_actions; }

    // Sends one notification, with a default action (a click on it) when the service has actions;
    // its id, or what went wrong.
    std::optional<QString> send(const QString &summary, const QString &body, uint *id);
    void close(uint id);

signals:
    void clicked(uint id);
    void closed(uint id);
    // The service that was reached is gone (ended, or another took its place) or the session bus
    // is: its notifications with it, and no click will come.
    void vanished();

private slots:
    // QtDBus connects its signals by name only.
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    QTimer *m_busCheck = nullptr;
    bool m_actions = false;
    bool m_markup = false;
};

} // namespace cyclara
