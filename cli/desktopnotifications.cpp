// SPDX-FileCopyrightText: 2026 The Cyclara developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/desktopnotifications.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QVariantMap>

namespace cyclara {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
// A connection of the reminders' own, so that it can be left when they are done.
const QString connectionName = QStringLiteral("cyclara-reminders");
// A service that does not answer within this is as good as none.
constexpr int callMilliseconds = 5000;

QDBusMessage call(const QDBusConnection &bus, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    return bus.call(message, QDBus::Block, callMilliseconds);
}

// The icon installed with the program (the name its desktop entry gives), or none: a build that
// was never installed has no icon a notification service could find.
QString installedIcon()
{
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (QFileInfo::exists(data + QStringLiteral("/icons/hicolor/scalable/apps/cyclara.svg")))
            return QStringLiteral("cyclara");
    }
    return {};
}

} // namespace

DesktopNotifications::DesktopNotifications(QObject *parent)
    : QObject(parent)
    , m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
{
}

DesktopNotifications::~DesktopNotifications()
{
    m_bus = QDBusConnection(QString());
    QDBusConnection::disconnectFromBus(connectionName);
}

std::optional<QString> DesktopNotifications::reach()
{
    if (!m_bus.isConnected())
        //: There is no session bus to send notifications through; why, in D-Bus's words
        return QCoreApplication::translate("Reminders", "没有会话总线（%1）")
            .arg(m_bus.lastError().message());
    // Watched before it is first asked: a service that ends in between is not missed.
    auto *watcher =
        new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &DesktopNotifications::vanished);
    // The bus itself going tells nothing; asked every few seconds, it is noticed.
    m_busCheck = new QTimer(this);
    connect(m_busCheck, &QTimer::timeout, this, [this] {
        if (!m_bus.isConnected()) {
            m_busCheck->stop();
            emit vanished();
        }
    });
    m_busCheck->start(2000);
    const QDBusMessage capabilities = call(m_bus, QStringLiteral("GetCapabilities"), {});
    if (capabilities.type() != QDBusMessage::ReplyMessage)
        //: Nobody serves notifications on the session bus; the D-Bus error's name
        return QCoreApplication::translate("Reminders", "会话总线上没有通知服务（%1）")
            .arg(capabilities.errorName());
    const QStringList offered = capabilities.arguments().value(0).toStringList();
    m_actions = offered.contains(QStringLiteral("actions"));
    m_markup = offered.contains(QStringLiteral("body-markup"));
    for (const auto &[signal, slot] :
         {std::pair("ActionInvoked", SLOT(onActionInvoked(uint, QString))),
          std::pair("NotificationClosed", SLOT(onNotificationClosed(uint, uint)))})
        m_bus.connect(service, path, interface, QString::fromLatin1(signal), this, slot);
    return std::nullopt;
}

std::optional<QString> DesktopNotifications::send(const QString &summary, const QString &body,
                                                  uint *id)
{
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("io.github.cyclara.Cyclara"));
    // The urgency is a byte: as an int the services take it for none at all.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    const QStringList actions =
        m_actions ? QStringList{QStringLiteral("default"),
                                //: What clicking a reminder does: open Cyclara on that day
                                QCoreApplication::translate("Reminders", "打开")}
                  : QStringList();
    const QDBusMessage reply =
        call(m_bus, QStringLiteral("Notify"),
             {QStringLiteral("Cyclara"), uint(0), installedIcon(), summary,
              m_markup ? body.toHtmlEscaped() : body, actions, hints, qint32(-1)});
    if (reply.type() != QDBusMessage::ReplyMessage)
        return reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    *id = reply.arguments().value(0).toUInt();
    return std::nullopt;
}

void DesktopNotifications::close(uint id)
{
    call(m_bus, QStringLiteral("CloseNotification"), {id});
}

void DesktopNotifications::onActionInvoked(uint id, const QString &action)
{
    if (action == u"default")
        emit clicked(id);
}

void DesktopNotifications::onNotificationClosed(uint id, uint /*reason*/)
{
    emit closed(id);
}

} // namespace cyclara
