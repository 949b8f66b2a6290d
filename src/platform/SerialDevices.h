#pragma once

#include <string>
#include <vector>

namespace platform {

// Serial devices a GPS receiver may sit on, in the order a user looks for them: stable
// /dev/serial/by-id names first, then USB serial adapters, USB modems (u-blox and other CDC
// receivers), and built-in ports. Only paths that exist are listed; root is "/" except in tests.
std::vector<std::string> ListSerialDevices(const std::string& root = "/");

// The maker and model the kernel read from a USB device's descriptors ("u-blox AG u-blox 7 -
// GPS/GNSS Receiver"), for a device path or a link to one; "" when there are none (built-in
// ports, or a device that is gone).
std::string SerialDeviceDescription(const std::string& device, const std::string& root = "/");

} // namespace platform
