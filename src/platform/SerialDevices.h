#pragma once

#include <string>
#include <vector>

namespace platform {

// Serial devices a GPS receiver may sit on, in the order a user looks for them: stable
// /dev/serial/by-id names first, then USB serial adapters, USB modems (u-blox and other CDC
// receivers), and built-in ports. Only paths that exist are listed; root is "/" except in tests.
std::vector<std::string> ListSerialDevices(const std::string& root = "/");

} // namespace platform
