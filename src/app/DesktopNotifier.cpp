#include "app/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr unsigned char kCritical = 2;

} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

void DesktopNotifier::Notify(const QString& summary, const QString& body) {
    if (!bus_.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Notify");
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(kCritical)},
        {QStringLiteral("desktop-entry"), QStringLiteral("com.morvellansoftware.Quilo")}};
    // app name, replaces id, icon, summary, body, actions, hints, timeout (0: never expires)
    call << QStringLiteral("QUILO") << shown_ << QStringLiteral("quilo") << summary << body
         << QStringList() << hints << 0;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<uint> reply = *done;
                if (!reply.isError())
                    shown_ = reply.value();
            });
}
