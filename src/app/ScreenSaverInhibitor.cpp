#include "app/ScreenSaverInhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

constexpr const char* kService = "org.freedesktop.ScreenSaver";
constexpr const char* kPath = "/org/freedesktop/ScreenSaver";
constexpr const char* kInterface = "org.freedesktop.ScreenSaver";

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    wanted_ = false;
    GiveBack();
}

void ScreenSaverInhibitor::SetInhibited(bool on) {
    wanted_ = on;
    // A refusal stands while the screen stays wanted on: the window asks at every fix, and
    // a desktop without the service would be asked again each time.
    if (on && !cookie_ && !asking_ && !refused_)
        Ask();
    if (!on) {
        refused_ = false;
        GiveBack();
    }
}

void ScreenSaverInhibitor::Ask() {
    if (!bus_.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "Inhibit");
    call << QStringLiteral("QUILO") << QStringLiteral("Following the GPS position");
    asking_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                asking_ = false;
                const QDBusPendingReply<uint> reply = *done;
                // No such service (a bare window manager): the screen blanks as it would.
                if (reply.isError()) {
                    refused_ = true;
                    return;
                }
                cookie_ = reply.value();
                // Turned off while the desktop was answering.
                if (!wanted_)
                    GiveBack();
            });
}

void ScreenSaverInhibitor::GiveBack() {
    if (!cookie_)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, "UnInhibit");
    call << *cookie_;
    cookie_.reset();
    bus_.send(call);
}
