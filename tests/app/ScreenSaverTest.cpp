// Keeping the screen on through a real D-Bus daemon of the test's own, with a screen-saver
// service on it answering as a desktop's does.
#include "app/ScreenSaverInhibitor.h"

#include "support/QtTestSupport.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <gtest/gtest.h>

#include <set>

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
}

} // namespace

#include "ScreenSaverTest.moc"
