#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gps/GpsSource.h"
#include "gps/NmeaLineCutter.h"
#include "platform/Socket.h"

namespace gps {

// Bytes queued by a source between its socket and the link, so that a read never returns
// more than the link asked for. Bounded: beyond kLimit the oldest bytes go, as a slow reader
// wants the newest sentences.
class PendingBytes {
public:
    static constexpr std::size_t kLimit = 64 * 1024;
    void Append(std::string_view bytes);
    std::size_t Take(char* buffer, std::size_t capacity);
    [[nodiscard]] bool Empty() const { return bytes_.empty(); }
    [[nodiscard]] std::size_t Size() const { return bytes_.size(); }
    void Clear() { bytes_.clear(); }

private:
    std::string bytes_;
};

// NMEA over a TCP connection, client side: a multiplexer or phone app serving sentences
// (Mode::Nmea), or gpsd (Mode::Gpsd), which is asked to watch its devices and send NMEA, so
// receivers it drives in a binary protocol still arrive as sentences; its own JSON reports
// are dropped. A dropped connection is a failed read; the link then reopens the source, as it
// does when the connection stays silent (a peer gone without closing it).
class TcpSource : public GpsSource {
public:
    enum class Mode { Nmea, Gpsd };
    // How long a connection attempt may take before it counts as failed.
    static constexpr std::chrono::milliseconds kConnectTimeout{2000};
    // gpsd's watch request for NMEA output of every device it has.
    static constexpr std::string_view kGpsdWatch = "?WATCH={\"enable\":true,\"nmea\":true};\n";

    TcpSource(std::string host, std::uint16_t port, Mode mode);

    std::string Open() override;
    SourceRead Read(char* buffer, std::size_t capacity) override;
    void Close() override;
    [[nodiscard]] std::string LostText() const override;
    [[nodiscard]] Silence WhenSilent() const override { return Silence::Reconnect; }
    [[nodiscard]] bool OpensSlowly() const override { return true; }
    [[nodiscard]] std::string ConnectingText() const override;
    void SetCancel(std::function<bool()> cancelled) override { cancelled_ = std::move(cancelled); }

private:
    // "gpsd at localhost:2947", "127.0.0.1:2000": what the user named.
    [[nodiscard]] std::string Where() const;

    std::string host_;
    std::uint16_t port_;
    Mode mode_;
    std::function<bool()> cancelled_;
    platform::Socket socket_;
    NmeaLineCutter cutter_{1024};
    PendingBytes pending_;
};

// NMEA datagrams sent to a local port (a marine multiplexer's broadcast, a phone app). Each
// datagram ends its last line, so a sentence never spans two of them.
class UdpSource : public GpsSource {
public:
    UdpSource(std::string address, std::uint16_t port);

    std::string Open() override;
    SourceRead Read(char* buffer, std::size_t capacity) override;
    void Close() override;
    [[nodiscard]] bool Reopens() const override { return false; }
    [[nodiscard]] Silence WhenSilent() const override { return Silence::Report; }
    // The bound port, for a source opened on port 0 (tests).
    [[nodiscard]] std::uint16_t LocalPort() const { return socket_.LocalPort(); }

private:
    std::string address_;
    std::uint16_t port_;
    platform::Socket socket_;
    PendingBytes pending_;
    std::vector<char> datagram_;
};

} // namespace gps
