#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Shows a notice on the desktop (org.freedesktop.Notifications Notify on the session bus),
// over other windows and on a locked screen where the desktop does so. Without a session bus
// or such a service it does nothing and says nothing: the window's own notice still shows.
// A newer notice replaces the one before, so alarms never pile up.
class DesktopNotifier : public QObject {
public:
    // bus: the session bus, or a bus of a test's own.
    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus(),
                             QObject* parent = nullptr);

    // Critical urgency: the desktop keeps it until the user closes it. Never waits.
    void Notify(const QString& summary, const QString& body);

private:
    QDBusConnection bus_;
    uint shown_ = 0; // the notice to replace; 0 for none
};
