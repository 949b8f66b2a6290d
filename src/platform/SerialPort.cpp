#include "platform/SerialPort.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include "base/Number.h"
#include "base/Text.h"

namespace platform {

namespace {

// termios speed code of a standard rate, or 0 when the rate is not in the table.
speed_t StandardSpeed(std::int32_t baudRate) {
    struct Entry {
        std::int32_t rate;
        speed_t code;
    };
    static constexpr Entry kTable[] = {
        {50, B50},           {75, B75},           {110, B110},         {134, B134},
        {150, B150},         {200, B200},         {300, B300},         {600, B600},
        {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
        {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
        {115200, B115200},   {230400, B230400},
#ifdef B460800
        {460800, B460800},   {500000, B500000},   {576000, B576000},   {921600, B921600},
        {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
        {2500000, B2500000}, {3000000, B3000000}, {3500000, B3500000}, {4000000, B4000000},
#endif
    };
    for (const Entry& entry : kTable) {
        if (entry.rate == baudRate)
            return entry.code;
    }
    return 0;
}

} // namespace

std::string DescribeOpenFailure(const std::string& device, int err) {
    if (device.empty())
        return "no device is set";
    std::string text = device + ": " + std::strerror(err);
    struct stat info {};
    if ((err == EACCES || err == EPERM) && ::stat(device.c_str(), &info) == 0) {
        const group* owner = ::getgrgid(info.st_gid);
        const std::string name =
            owner != nullptr ? owner->gr_name : base::FormatPadded(info.st_gid, 0);
        text += " (your user must be in the group \"" + name + "\" that owns the device)";
    }
    return text;
}

std::string ComPortDevicePath(std::int32_t portNumber) {
    if (portNumber < 1)
        return {};
    return "/dev/ttyS" + base::FormatPadded(portNumber - 1, 0);
}

std::string GpsDevicePath(std::int32_t portNumber, std::string_view deviceOverride) {
    const std::string_view device = base::Trim(deviceOverride, " \t\r\n");
    if (!device.empty())
        return std::string(device);
    return ComPortDevicePath(portNumber);
}

int SerialPort::Open(const std::string& path) {
    Close();
    if (path.empty())
        return ENOENT;
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    fd_ = UniqueFd(fd);
    return 0;
}

SerialConfigResult SerialPort::Configure(std::int32_t baudRate) {
    SerialConfigResult result;
    if (!fd_.Valid()) {
        result.readError = EBADF;
        return result;
    }
    termios tio{};
    if (::tcgetattr(fd_.Get(), &tio) != 0) {
        result.readError = errno;
        return result;
    }
    if (baudRate <= 0) {
        // A rate of 0 would mean "hang up" to the driver; leave the line as it is.
        result.applyError = EINVAL;
        return result;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // VMIN 1 with O_NONBLOCK: an empty line reads as EAGAIN, so a read of 0 bytes can only
    // mean the line hung up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    const speed_t code = StandardSpeed(baudRate);
    if (code != 0) {
        ::cfsetispeed(&tio, code);
        ::cfsetospeed(&tio, code);
    }
    if (::tcsetattr(fd_.Get(), TCSANOW, &tio) != 0) {
        result.applyError = errno;
        return result;
    }
    if (code == 0) {
        result.applyError = SetCustomBaudRate(fd_.Get(), static_cast<std::uint32_t>(baudRate));
        if (result.applyError != 0)
            return result;
    }
    // Not every line has modem control (a pty has none): failing here changes nothing.
    int lines = TIOCM_DTR | TIOCM_RTS;
    (void)::ioctl(fd_.Get(), TIOCMBIS, &lines);
    return result;
}

SerialReadResult SerialPort::Read(char* buffer, std::size_t capacity) {
    SerialReadResult result;
    if (!fd_.Valid()) {
        result.ok = false;
        result.error = EBADF;
        return result;
    }
    const ssize_t n = ::read(fd_.Get(), buffer, capacity);
    if (n > 0) {
        result.bytes = static_cast<std::size_t>(n);
        return result;
    }
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
        result.ok = false;
        result.error = errno;
        return result;
    }
    // Nothing read: a live line, or one that hung up (a port left with VMIN 0 by a failed
    // configure also reads 0 bytes when idle, so ask poll rather than trust the 0).
    pollfd p{fd_.Get(), POLLIN, 0};
    if (::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        result.ok = false;
        result.error = EIO;
    }
    return result;
}

void SerialPort::Discard() {
    if (fd_.Valid())
        (void)::tcflush(fd_.Get(), TCIFLUSH);
}

} // namespace platform
