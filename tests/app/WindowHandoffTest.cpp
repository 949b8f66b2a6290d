// The hand-over socket under a flood of connections and after an error, over real sockets: a
// later start must still reach the window.
#include "app/WindowHandoff.h"

#include "support/QtTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <future>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using testsupport::PumpUntil;

int OpenDescriptors() {
    return static_cast<int>(
        QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size());
}

// A peer that connects and says nothing; -1 when the system refused it.
int SilentPeer(const QString& name) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = name.toLocal8Bit();
    std::memcpy(address.sun_path, path.constData(),
                std::min(static_cast<std::size_t>(path.size()), sizeof address.sun_path - 1));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A start handing a map over from a thread of its own, as from a process of its own, while
// this thread's event loop serves the window's side; true once the window answered.
bool HandOver(const QString& name, const QString& map) {
    auto done = std::async(std::launch::async, [&] {
        return app::HandToRunningWindow(name, {map, {}}, 20000);
    });
    PumpUntil([&] { return done.wait_for(std::chrono::seconds(0)) == std::future_status::ready; },
              30000);
    return done.get();
}

TEST(WindowServer, AFloodOfConnectionsIsHeldToACapAndALaterStartIsServed) {
    const QTemporaryDir dir;
    const QString name = dir.filePath("handoff");
    app::WindowServer server;
    ASSERT_TRUE(server.Listen(name));
    QSignalSpy requests(&server, &app::WindowServer::OpenRequested);

    const int before = OpenDescriptors();
    std::vector<int> flood;
    for (int i = 0; i < 10 * app::WindowServer::kMaxConnections; ++i) {
        if (const int fd = SilentPeer(name); fd >= 0)
            flood.push_back(fd);
    }
    const auto held = [&] { return OpenDescriptors() - before - static_cast<int>(flood.size()); };
    ASSERT_TRUE(PumpUntil([&] { return held() >= app::WindowServer::kMaxConnections; }))
        << "the window took no connection";
    // Each round accepts at most one more connection if the window takes any it is offered.
    for (int round = 0; round < 200; ++round)
        QCoreApplication::processEvents();
    // Served, and as many again waiting accepted, give or take Qt's own count.
    EXPECT_LE(held(), 3 * app::WindowServer::kMaxConnections) << flood.size() << " peers";
    EXPECT_TRUE(QFileInfo::exists(name));

    for (const int fd : flood)
        ::close(fd);
    EXPECT_TRUE(PumpUntil([&] { return OpenDescriptors() <= before; })) << "connections kept";
    ASSERT_TRUE(HandOver(name, "/maps/later.png"));
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests[0][0].value<app::OpenRequest>().map, "/maps/later.png");
}

// Qt closes the socket, and removes it, when accepting a connection fails (here: no descriptor
// left); the window listens again once it can.
TEST(WindowServer, ListensAgainAfterAcceptingFailed) {
    const QTemporaryDir dir;
    const QString name = dir.filePath("handoff");
    app::WindowServer server;
    ASSERT_TRUE(server.Listen(name));
    QSignalSpy requests(&server, &app::WindowServer::OpenRequested);

    const int peer = SilentPeer(name);
    ASSERT_GE(peer, 0);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const int lowestFree = ::dup(peer);
    ASSERT_GE(lowestFree, 0);
    ::close(lowestFree);
    rlimit none = limit;
    none.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const bool closed = PumpUntil([&] { return !QFileInfo::exists(name); }, 5000);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
    ::close(peer);
    ASSERT_TRUE(closed) << "accepting with no descriptor left did not close the socket";

    ASSERT_TRUE(PumpUntil([&] { return QFileInfo::exists(name); })) << "not listening again";
    EXPECT_TRUE(HandOver(name, "/maps/later.png"));
    EXPECT_EQ(requests.size(), 1);
}

} // namespace
