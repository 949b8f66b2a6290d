#include "gps/NetworkSource.h"

#include "base/Number.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <utility>

namespace gps {

namespace {

constexpr std::size_t kChunk = 4096;

} // namespace

void PendingBytes::Append(std::string_view bytes) {
    if (bytes.size() >= kLimit) {
        bytes_.assign(bytes.substr(bytes.size() - kLimit));
        return;
    }
    if (bytes_.size() + bytes.size() > kLimit)
        bytes_.erase(0, bytes_.size() + bytes.size() - kLimit);
    bytes_.append(bytes);
}

std::size_t PendingBytes::Take(char* buffer, std::size_t capacity) {
    const std::size_t n = std::min(capacity, bytes_.size());
    std::memcpy(buffer, bytes_.data(), n);
    bytes_.erase(0, n);
    return n;
}

TcpSource::TcpSource(std::string host, std::uint16_t port, Mode mode)
    : host_(std::move(host)), port_(port), mode_(mode) {}

std::string TcpSource::Open() {
    pending_.Clear();
    cutter_ = NmeaLineCutter(1024);
    std::string error = socket_.ConnectTcp(host_, port_, kConnectTimeout, cancelled_);
    if (!error.empty())
        return (mode_ == Mode::Gpsd ? "gpsd at " : "") + error;
    if (mode_ == Mode::Gpsd && !socket_.Send(kGpsdWatch)) {
        socket_.Close();
        return Where() + ": the watch request could not be sent";
    }
    return {};
}

std::string TcpSource::Where() const {
    const bool v6 = host_.find(':') != std::string::npos;
    return (mode_ == Mode::Gpsd ? "gpsd at " : "") + (v6 ? "[" + host_ + "]" : host_) + ":" +
           base::FormatPadded(port_, 0);
}

std::string TcpSource::ConnectingText() const {
    return "Connecting to " + Where() + "...";
}

SourceRead TcpSource::Read(char* buffer, std::size_t capacity) {
    if (mode_ == Mode::Nmea && pending_.Empty())
        return socket_.Read(buffer, capacity);
    SourceRead read;
    if (pending_.Empty()) {
        std::array<char, kChunk> chunk{};
        read = socket_.Read(chunk.data(), chunk.size());
        if (!read.ok)
            return read;
        // gpsd interleaves its JSON reports with the sentences, each on a line of its own;
        // only the sentences go on, so a report can never run into a sentence's line.
        cutter_.Feed(std::string_view(chunk.data(), read.bytes), [this](std::string_view line) {
            if (line.starts_with('$')) {
                pending_.Append(line);
                pending_.Append("\r\n");
            }
        });
    }
    read.bytes = pending_.Take(buffer, capacity);
    return read;
}

void TcpSource::Close() {
    socket_.Close();
    pending_.Clear();
}

std::string TcpSource::LostText() const {
    return mode_ == Mode::Gpsd ? "gpsd connection lost, retrying." : "Connection lost, retrying.";
}

UdpSource::UdpSource(std::string address, std::uint16_t port)
    : address_(std::move(address)), port_(port) {}

std::string UdpSource::Open() {
    pending_.Clear();
    return socket_.BindUdp(address_, port_);
}

SourceRead UdpSource::Read(char* buffer, std::size_t capacity) {
    // A multiplexer may send each sentence in a datagram of its own: take what waited, but
    // no more than a read's worth, so a flood cannot keep the reader here.
    datagram_.resize(65536);
    while (pending_.Size() < capacity) {
        const SourceRead read = socket_.Read(datagram_.data(), datagram_.size());
        if (!read.ok)
            return read;
        if (read.bytes == 0)
            break;
        const std::string_view bytes(datagram_.data(), read.bytes);
        pending_.Append(bytes);
        if (bytes.back() != '\n' && bytes.back() != '\r')
            pending_.Append("\r\n");
    }
    SourceRead read;
    read.bytes = pending_.Take(buffer, capacity);
    return read;
}

void UdpSource::Close() {
    socket_.Close();
    pending_.Clear();
}

} // namespace gps
