#include "gps/GpsSourceName.h"

#include <cmath>
#include <sys/stat.h>

#include "base/Number.h"
#include "base/Text.h"
#include "gps/FileReplaySource.h"
#include "gps/NetworkSource.h"
#include "gps/SerialSource.h"
#include "gps/SimSource.h"

namespace gps {

namespace {

constexpr std::string_view kExpected = "a device path, gpsd://[HOST][:PORT], tcp://HOST:PORT, "
                                       "udp://[ADDR]:PORT, file:PATH or sim:";
constexpr std::string_view kFileForm = "file:PATH[?speed=N][&loop=1], N above 0";
// Faster than this is "as fast as it goes" for any log; the bound keeps the pacing
// arithmetic finite.
constexpr double kMaxSpeed = 1e6;

GpsSourceNameResult Bad(std::string_view name, std::string_view expected) {
    return {std::nullopt,
            "bad GPS source '" + std::string(name) + "' (expected " + std::string(expected) + ")"};
}

GpsSourceNameResult Good(GpsSourceParts parts) {
    return {std::move(parts), {}};
}

bool IsHostText(std::string_view host) {
    for (const char c : host) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u >= 0x7f || c == '/' || c == '?' || c == '#' || c == '@' || c == '[' ||
            c == ']')
            return false;
    }
    return true;
}

struct HostPort {
    std::string host;
    std::optional<std::uint16_t> port; // none: not given
    bool ok = false;
};

// "HOST", "HOST:PORT", ":PORT", "[V6]", "[V6]:PORT", "" (all parts optional here; callers
// say which they need).
HostPort SplitHostPort(std::string_view text) {
    HostPort out;
    std::string_view host = text;
    std::string_view port;
    bool hasPort = false;
    if (text.starts_with('[')) {
        const std::size_t close = text.find(']');
        if (close == std::string_view::npos)
            return out;
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':')
                return out;
            port = rest.substr(1);
            hasPort = true;
        }
        if (host.empty() || host.find_first_not_of("0123456789abcdefABCDEF:.") != host.npos)
            return out;
    } else {
        const std::size_t colon = text.find(':');
        if (colon != std::string_view::npos) {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
            hasPort = true;
        }
        if (!IsHostText(host))
            return out;
    }
    if (hasPort) {
        const auto number = base::ParseExact<std::uint16_t>(port);
        if (!number || *number == 0)
            return out;
        out.port = *number;
    }
    out.host = std::string(host);
    out.ok = true;
    return out;
}

GpsSourceNameResult ParseFile(std::string_view name, std::string_view rest) {
    // file:///path is the URL spelling of file:/path.
    if (rest.starts_with("///"))
        rest.remove_prefix(2);
    GpsSourceParts parts;
    parts.kind = GpsSourceKind::File;
    const std::size_t query = rest.find('?');
    parts.path = std::string(rest.substr(0, query));
    if (parts.path.empty())
        return Bad(name, kFileForm);
    if (query == std::string_view::npos)
        return Good(std::move(parts));
    std::string_view options = rest.substr(query + 1);
    bool sawSpeed = false;
    bool sawLoop = false;
    while (true) {
        const std::size_t amp = options.find('&');
        const std::string_view option = options.substr(0, amp);
        if (option.starts_with("speed=") && !sawSpeed) {
            const auto speed = base::ParseExact<double>(option.substr(6), 0.0, kMaxSpeed);
            if (!speed || *speed <= 0.0)
                return Bad(name, kFileForm);
            parts.speed = *speed;
            sawSpeed = true;
        } else if ((option == "loop=1" || option == "loop=0") && !sawLoop) {
            parts.loop = option == "loop=1";
            sawLoop = true;
        } else {
            return Bad(name, kFileForm);
        }
        if (amp == std::string_view::npos)
            break;
        options.remove_prefix(amp + 1);
    }
    return Good(std::move(parts));
}

// A log, or a named pipe some program feeds with live sentences.
bool IsFileSource(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode));
}

} // namespace

GpsSourceNameResult ParseGpsSourceName(std::string_view rawName) {
    const std::string_view name = base::Trim(rawName, " \t\r\n");
    if (name.empty())
        return {std::nullopt, "no GPS source given (expected " + std::string(kExpected) + ")"};
    if (name.find('\0') != std::string_view::npos)
        return Bad(std::string_view("\\0"), kExpected);

    if (name.starts_with("gpsd://")) {
        const HostPort hp = SplitHostPort(name.substr(7));
        if (!hp.ok)
            return Bad(name, "gpsd://[HOST][:PORT]");
        GpsSourceParts parts;
        parts.kind = GpsSourceKind::Gpsd;
        parts.host = hp.host.empty() ? "localhost" : hp.host;
        parts.port = hp.port.value_or(kGpsdDefaultPort);
        return Good(std::move(parts));
    }
    if (name.starts_with("tcp://")) {
        const HostPort hp = SplitHostPort(name.substr(6));
        if (!hp.ok || hp.host.empty() || !hp.port)
            return Bad(name, "tcp://HOST:PORT");
        GpsSourceParts parts;
        parts.kind = GpsSourceKind::Tcp;
        parts.host = hp.host;
        parts.port = *hp.port;
        return Good(std::move(parts));
    }
    if (name.starts_with("udp://")) {
        const HostPort hp = SplitHostPort(name.substr(6));
        if (!hp.ok || !hp.port)
            return Bad(name, "udp://[ADDR]:PORT");
        GpsSourceParts parts;
        parts.kind = GpsSourceKind::Udp;
        parts.host = hp.host;
        parts.port = *hp.port;
        return Good(std::move(parts));
    }
    if (name.starts_with("file:"))
        return ParseFile(name, name.substr(5));
    if (name == "sim:") {
        GpsSourceParts parts;
        parts.kind = GpsSourceKind::Sim;
        return Good(std::move(parts));
    }
    // Anything else that looks like "scheme:" is a source we do not know, not a file name:
    // device paths start with "/" (or ".") and hold no scheme.
    const std::size_t colon = name.find(':');
    const std::size_t slash = name.find('/');
    if (colon != std::string_view::npos && (slash == std::string_view::npos || colon < slash) &&
        !name.starts_with('.'))
        return {std::nullopt, "unknown GPS source '" + std::string(name) + "' (expected " +
                                  std::string(kExpected) + ")"};

    GpsSourceParts parts;
    parts.path = std::string(name);
    parts.kind = IsFileSource(parts.path) ? GpsSourceKind::File : GpsSourceKind::Serial;
    return Good(std::move(parts));
}

MadeGpsSource MakeGpsSource(std::string_view name, std::int32_t baudRate, GpsSourceLog log) {
    GpsSourceNameResult parsed = ParseGpsSourceName(name);
    if (!parsed.parts)
        return {nullptr, std::move(parsed.error)};
    GpsSourceParts& parts = *parsed.parts;
    switch (parts.kind) {
    case GpsSourceKind::Serial:
        return {std::make_unique<SerialSource>(parts.path, baudRate, std::move(log)), {}};
    case GpsSourceKind::Gpsd:
        return {std::make_unique<TcpSource>(parts.host, parts.port, TcpSource::Mode::Gpsd), {}};
    case GpsSourceKind::Tcp:
        return {std::make_unique<TcpSource>(parts.host, parts.port, TcpSource::Mode::Nmea), {}};
    case GpsSourceKind::Udp:
        return {std::make_unique<UdpSource>(parts.host, parts.port), {}};
    case GpsSourceKind::File:
        return {std::make_unique<FileReplaySource>(parts.path, parts.speed, parts.loop), {}};
    case GpsSourceKind::Sim:
        return {std::make_unique<SimSource>(), {}};
    }
    return {nullptr, "unknown GPS source"};
}

MadeGpsSource OpenGpsSource(std::string_view name, std::int32_t baudRate, GpsSourceLog log) {
    MadeGpsSource made = MakeGpsSource(name, baudRate, std::move(log));
    if (made.source) {
        if (std::string error = made.source->Open(); !error.empty())
            return {nullptr, std::move(error)};
    }
    return made;
}

} // namespace gps
