// The serial line under the GPS link: device paths and the raw 8N1 set-up on a pseudo-terminal.
#include "platform/SerialPort.h"

#include "gps/PtyPair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <string_view>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

TEST(SerialPort, DevicePaths) {
    struct Row {
        const char* legend;
        std::int32_t port;
        std::string_view override;
        const char* expected;
    } rows[] = {
        {"COM1 is the first UART", 1, "", "/dev/ttyS0"},
        {"default COM8", 8, "", "/dev/ttyS7"},
        {"port 0 has no device", 0, "", ""},
        {"negative port", -3, "", ""},
        {"override wins", 8, "/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"override trimmed", 8, " /dev/serial/by-id/usb-GPS \n", "/dev/serial/by-id/usb-GPS"},
        {"blank override ignored", 2, "  ", "/dev/ttyS1"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(platform::GpsDevicePath(row.port, row.override), row.expected) << row.legend;
}

TEST(SerialPort, ConfiguresRaw8N1AndReportsHangUp) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    platform::SerialPort port;
    ASSERT_EQ(port.Open(pty.Path()), 0);
    const auto config = port.Configure(9600);
    EXPECT_EQ(config.readError, 0);
    EXPECT_EQ(config.applyError, 0);

    termios tio{};
    const int probe = ::open(pty.Path().c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(probe, 0);
    ASSERT_EQ(::tcgetattr(probe, &tio), 0);
    ::close(probe);
    EXPECT_EQ(tio.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(::cfgetispeed(&tio), static_cast<speed_t>(B9600));

    char buffer[64];
    auto read = port.Read(buffer, sizeof buffer);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, 0u);

    ASSERT_TRUE(pty.Write("$GP\r\n"));
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (pty.Pending() < 5 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::yield();
    port.Discard();
    read = port.Read(buffer, sizeof buffer);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.bytes, 0u) << "discard keeps received bytes";

    pty.HangUp();
    read = port.Read(buffer, sizeof buffer);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(read.error, 0);
}

} // namespace
