#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "gps/GpsSource.h"

// The names of GPS sources, one grammar for "quilo --gps", "quilo-tool monitor" and the
// Connection page's device field:
//   /dev/ttyUSB0, /dev/serial/by-id/...   a serial line (any path that is no file or pipe)
//   gpsd://[HOST][:PORT]                  gpsd, asked for NMEA (localhost:2947 by default)
//   tcp://HOST:PORT                       NMEA from a TCP server, reconnecting when it drops
//   udp://[ADDR]:PORT                     NMEA datagrams received on a local port
//   file:PATH[?speed=N][&loop=1]          a recorded log replayed at its own pace, N times
//                                         faster, or a named pipe read live; a path to a
//                                         regular file or a named pipe is the same, N = 1
//   sim:                                  the demo's simulated receiver
// A host may be a name, an IPv4 address or an IPv6 address in brackets ("[::1]:2947").
namespace gps {

enum class GpsSourceKind { Serial, Gpsd, Tcp, Udp, File, Sim };

inline constexpr std::uint16_t kGpsdDefaultPort = 2947;
// The baud rate that asks the serial line to find the receiver's rate itself.
inline constexpr std::int32_t kAutoBaud = -1;

struct GpsSourceParts {
    GpsSourceKind kind = GpsSourceKind::Serial;
    std::string path; // Serial, File
    std::string host; // Gpsd, Tcp; Udp: the local address, "" for all
    std::uint16_t port = 0;
    double speed = 1.0; // File: replay speed factor, above 0
    bool loop = false;  // File: start over at the end
};

struct GpsSourceNameResult {
    std::optional<GpsSourceParts> parts;
    // Without a parts, one line naming the name and what is expected:
    // "bad GPS source 'tcp://host' (expected tcp://HOST:PORT)".
    std::string error;
};

// Reads a source name; blanks around it are ignored. A plain path is looked at on disk: a
// regular file is replayed, a named pipe read live, anything else is a serial line.
GpsSourceNameResult ParseGpsSourceName(std::string_view name);

// Where a source reports what the user may want to read later (a rate the serial line
// refused, the rate it found); may be empty.
using GpsSourceLog = std::function<void(const std::string& message)>;

struct MadeGpsSource {
    std::unique_ptr<GpsSource> source; // not opened yet
    std::string error;                 // when there is no source: the name's fault
};

// The source a name stands for, not yet opened. baudRate is for serial lines: a rate in bits
// per second, or kAutoBaud.
MadeGpsSource MakeGpsSource(std::string_view name, std::int32_t baudRate, GpsSourceLog log = {});

// MakeGpsSource, then Open: an open source, or one line saying why there is none (a bad
// name, or the reason the source did not open).
MadeGpsSource OpenGpsSource(std::string_view name, std::int32_t baudRate, GpsSourceLog log = {});

} // namespace gps
