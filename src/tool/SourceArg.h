#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gps {
class GpsFeed;
}

namespace tool {

// The SOURCE operand of monitor and record: a bare number n is COM port n, as the settings
// store it; anything else is a source name (device path, gpsd://, tcp://, udp://, file:, sim:).
// Opens feed on it; "" when it is open, else the one line to print.
std::string OpenSourceArg(gps::GpsFeed& feed, std::string_view source, std::int32_t baud);

} // namespace tool
