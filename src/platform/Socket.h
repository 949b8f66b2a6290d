#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/MappedFile.h"
#include "platform/SerialPort.h"

// Non-blocking IPv4/IPv6 sockets for NMEA that arrives over the network. Every call returns
// within its stated bound; reads never wait.
namespace platform {

// Asked while a call waits: true when the caller no longer wants the result (the link is
// closing), so that the call returns at once.
using Cancelled = std::function<bool()>;

class Socket {
public:
    // The longest a name lookup may take; a resolver that never answers then fails the
    // connect rather than holding it. (A lookup that answers at all does so in well under a
    // second; glibc's own limit is 10 s per name server.)
    static constexpr std::chrono::milliseconds kLookupTimeout{5000};

    Socket() = default;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Connects a TCP stream to host:port (a name or a numeric address), trying each address
    // the resolver gives until one answers, waiting at most kLookupTimeout for the name and
    // timeout for each address. "" when connected, else one line for the user:
    // "127.0.0.1:9: Connection refused". Returns within a few milliseconds of cancelled
    // answering true.
    std::string ConnectTcp(const std::string& host, std::uint16_t port,
                           std::chrono::milliseconds timeout, const Cancelled& cancelled = {});

    // Binds a datagram socket to address:port. "" or the reason. "" is every local address,
    // IPv6 and IPv4 alike (one dual-stack socket; IPv4 alone where there is no IPv6).
    std::string BindUdp(const std::string& address, std::uint16_t port);

    // Sends all of bytes on a connected stream; false when the peer is gone or the send
    // buffer stays full.
    bool Send(std::string_view bytes);

    // Reads what has arrived, at most capacity bytes (for a datagram socket, one datagram,
    // cut to capacity). A stream whose peer closed reads as a failure with EPIPE.
    SerialReadResult Read(char* buffer, std::size_t capacity);

    // The local port of a bound or connected socket, 0 when none.
    [[nodiscard]] std::uint16_t LocalPort() const;
    [[nodiscard]] bool IsOpen() const { return fd_.Valid(); }

    void Close() { fd_.Reset(); }

private:
    UniqueFd fd_;
    bool datagram_ = false;
};

} // namespace platform
