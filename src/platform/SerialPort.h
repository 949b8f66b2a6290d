#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/MappedFile.h"

// The serial line of a GPS receiver, read-only, over POSIX termios. Nothing is ever written to
// the port. All calls return at once: reads never block.
namespace platform {

// Device path of COM port n (1-based, as the settings store it): /dev/ttyS{n-1}, so port 1 is
// /dev/ttyS0 and the default port 8 is /dev/ttyS7. A port below 1 has no device: "".
std::string ComPortDevicePath(std::int32_t portNumber);

// The device the GPS link opens: deviceOverride (the string setting "GPSDevice", or
// "quilo --gps PATH") when it holds anything but blanks, otherwise ComPortDevicePath(portNumber).
// Surrounding blanks of the override are removed: "/dev/ttyUSB0 " gives "/dev/ttyUSB0".
std::string GpsDevicePath(std::int32_t portNumber, std::string_view deviceOverride);

// Why device did not open, for the user: "/dev/ttyUSB0: Permission denied", and when the
// permissions refused it, which group may use it: "... (your user must be in the group
// \"dialout\" that owns the device)". "no device is set" for "".
std::string DescribeOpenFailure(const std::string& device, int err);

// Outcome of SerialPort::Configure. readError: the line's settings could not be read (the
// device is no serial line, ENOTTY for /dev/null): the port is unusable. applyError: the new
// settings were refused (a baud rate the driver does not take, or a rate of 0 or below, which
// gives EINVAL): the port stays usable with whatever settings it had. Both hold errno values.
struct SerialConfigResult {
    int readError = 0;
    int applyError = 0;
};

// One read: bytes is 0..capacity when ok. A read that finds nothing waiting is ok with 0 bytes;
// a failed read or a hung-up line (receiver unplugged, the other end of a pty closed) is not ok
// and error holds errno (EIO when the line hung up without one).
struct SerialReadResult {
    bool ok = true;
    std::size_t bytes = 0;
    int error = 0;
};

class SerialPort {
public:
    SerialPort() = default;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens path read-only, non-blocking, without making it the controlling terminal and
    // without passing it to child processes. Returns 0 or errno (ENOENT, EACCES, EBUSY...);
    // an already open port is closed first.
    int Open(const std::string& path);

    // Raw mode, 8 data bits, no parity, one stop bit, receiver on, modem lines ignored, no
    // hardware or software flow control, DTR and RTS raised (some receivers draw power from
    // them), and baudRate in bits per second: any positive rate, the standard ones (4800,
    // 9600, ... 4000000) through termios, others through the kernel's free-rate interface.
    SerialConfigResult Configure(std::int32_t baudRate);

    // Reads what has arrived, at most capacity bytes, without waiting.
    SerialReadResult Read(char* buffer, std::size_t capacity);

    // Throws away everything received but not yet read.
    void Discard();

    void Close() { fd_.Reset(); }

private:
    UniqueFd fd_;
};

// Sets a baud rate outside the standard table on an open tty (Linux termios2 with BOTHER).
// Returns 0 or errno. Kept apart because the kernel's termios2 header cannot share a
// translation unit with <termios.h>.
int SetCustomBaudRate(int fd, std::uint32_t baudRate);

} // namespace platform
