#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/SerialPort.h"

// Non-blocking IPv4/IPv6 sockets for NMEA that arrives over the network. Every call returns
// within its stated bound; reads never wait.
namespace platform {

class Socket {
public:
    Socket() = default;
    ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Connects a TCP stream to host:port (a name or a numeric address), trying each address
    // the resolver gives until one answers, waiting at most timeout for each. "" when
    // connected, else one line for the user: "127.0.0.1:9: Connection refused".
    std::string ConnectTcp(const std::string& host, std::uint16_t port,
                           std::chrono::milliseconds timeout);

    // Binds a datagram socket to address:port ("" is every local address). "" or the reason.
    std::string BindUdp(const std::string& address, std::uint16_t port);

    // Sends all of bytes on a connected stream; false when the peer is gone or the send
    // buffer stays full.
    bool Send(std::string_view bytes);

    // Reads what has arrived, at most capacity bytes (for a datagram socket, one datagram,
    // cut to capacity). A stream whose peer closed reads as a failure with EPIPE.
    SerialReadResult Read(char* buffer, std::size_t capacity);

    // The local port of a bound or connected socket, 0 when none.
    [[nodiscard]] std::uint16_t LocalPort() const;
    [[nodiscard]] bool IsOpen() const { return fd_ >= 0; }

    void Close();

private:
    int fd_ = -1;
    bool datagram_ = false;
};

} // namespace platform
