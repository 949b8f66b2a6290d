// Keeping the screen on and telling the desktop of an alarm, through a real D-Bus daemon of the
// test's own, with a screen-saver and a notification service on it answering as a desktop's do.
#include "app/DesktopNotifier.h"
#include "app/ScreenSaverInhibitor.h"

#include "support/QtTestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public slots:
    uint Inhibit(const QString& /*application*/, const QString& /*reason*/) {
        held.insert(++last);
        return last;
    }
    void UnInhibit(uint cookie) { held.erase(cookie); }

public:
    std::set<uint> held;
    uint last = 0;
};

class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public slots:
    uint Notify(const QString& /*app*/, uint replaces, const QString& /*icon*/,
                const QString& summary, const QString& body, const QStringList& /*actions*/,
                const QVariantMap& hints, int timeout) {
        shown.push_back({replaces, summary + ": " + body, hints.value("urgency").toInt(), timeout});
        return replaces != 0 ? replaces : ++last;
    }

public:
    struct Shown {
        uint replaces;
        QString text;
        int urgency;
        int timeout;
        bool operator==(const Shown&) const = default;
    };
    std::vector<Shown> shown;
    uint last = 40;
};

class ScreenSaverTest : public ::testing::Test {
protected:
    void SetUp() override {
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(daemon.waitForStarted(10000));
        ASSERT_TRUE(testsupport::PumpUntil([this] { return daemon.canReadLine(); }));
        address = QString::fromUtf8(daemon.readLine()).trimmed();
        QDBusConnection desktop = QDBusConnection::connectToBus(address, "desktop");
        ASSERT_TRUE(desktop.isConnected());
        ASSERT_TRUE(desktop.registerObject("/org/freedesktop/ScreenSaver", &saver,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(desktop.registerService("org.freedesktop.ScreenSaver"));
        ASSERT_TRUE(desktop.registerObject("/org/freedesktop/Notifications", &notifications,
                                           QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(desktop.registerService("org.freedesktop.Notifications"));
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus("desktop");
        QDBusConnection::disconnectFromBus("quilo");
        daemon.kill();
        daemon.waitForFinished();
    }

    QProcess daemon;
    QString address;
    FakeScreenSaver saver;
    FakeNotifications notifications;
};

TEST_F(ScreenSaverTest, InhibitIsHeldWhileWantedAndGivenBack) {
    ScreenSaverInhibitor inhibitor(QDBusConnection::connectToBus(address, "quilo"));
    inhibitor.SetInhibited(true);
    inhibitor.SetInhibited(true); // a repeat asks nothing more
    ASSERT_TRUE(testsupport::PumpUntil([&] { return inhibitor.Inhibited(); }));
    EXPECT_EQ(saver.held, std::set<uint>{1});
    inhibitor.SetInhibited(false);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return saver.held.empty(); }));
    // Turned off before the desktop answered: given back as soon as it does.
    inhibitor.SetInhibited(true);
    inhibitor.SetInhibited(false);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return saver.last == 2 && saver.held.empty(); }));
    EXPECT_FALSE(inhibitor.Inhibited());
}

TEST_F(ScreenSaverTest, NoServiceOrNoBusLeavesTheScreenAlone) {
    QDBusConnection::connectToBus(address, "desktop")
        .unregisterService("org.freedesktop.ScreenSaver");
    ScreenSaverInhibitor withoutService(QDBusConnection::connectToBus(address, "quilo"));
    ScreenSaverInhibitor withoutBus(QDBusConnection("no bus"));
    withoutService.SetInhibited(true);
    withoutBus.SetInhibited(true);
    // The error reply comes back on the same connection as a ping sent after the call.
    QDBusConnection quilo("quilo");
    quilo.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                              "org.freedesktop.DBus", "GetId"));
    QCoreApplication::processEvents();
    EXPECT_FALSE(withoutService.Inhibited());
    EXPECT_FALSE(withoutBus.Inhibited());
    // The refusal stands while still wanted (the window asks at every fix); wanted afresh, the
    // desktop is asked again.
    ASSERT_TRUE(QDBusConnection("desktop").registerService("org.freedesktop.ScreenSaver"));
    withoutService.SetInhibited(true);
    quilo.call(QDBusMessage::createMethodCall("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                              "org.freedesktop.DBus", "GetId"));
    QCoreApplication::processEvents();
    EXPECT_EQ(saver.last, 0u);
    withoutService.SetInhibited(false);
    withoutService.SetInhibited(true);
    ASSERT_TRUE(testsupport::PumpUntil([&] { return withoutService.Inhibited(); }));
}

TEST_F(ScreenSaverTest, AlarmNoticeIsCriticalAndReplacesTheOneBefore) {
    DesktopNotifier notifier(QDBusConnection::connectToBus(address, "quilo"));
    notifier.Notify("QUILO alarm", "one");
    ASSERT_TRUE(testsupport::PumpUntil([&] { return notifications.shown.size() == 1; }));
    // The answer's id must have come back before the next notice can replace it: a ping sent
    // after the call returns after its answer.
    QDBusConnection("quilo").call(QDBusMessage::createMethodCall(
        "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "GetId"));
    QCoreApplication::processEvents();
    notifier.Notify("QUILO alarm", "two");
    ASSERT_TRUE(testsupport::PumpUntil([&] { return notifications.shown.size() == 2; }));
    using Shown = FakeNotifications::Shown;
    EXPECT_EQ(notifications.shown,
              (std::vector<Shown>{{0, "QUILO alarm: one", 2, 0}, {41, "QUILO alarm: two", 2, 0}}));
}

} // namespace

#include "ScreenSaverTest.moc"
