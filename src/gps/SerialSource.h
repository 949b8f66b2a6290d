#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>

#include "gps/GpsSource.h"
#include "gps/GpsSourceName.h"
#include "gps/NmeaLineAssembler.h"
#include "platform/SerialPort.h"

namespace gps {

// The serial line of a receiver, read-only. With kAutoBaud it finds the receiver's rate: it
// tries kAutoBaudRates in turn and keeps the first at which a sentence with a valid checksum
// arrives within kAutoBaudWindow, going round again while none answers. Bytes read before
// the rate is found are not passed on.
class SerialSource : public GpsSource {
public:
    // The rates receivers ship with, most common first.
    static constexpr std::array<std::int32_t, 6> kAutoBaudRates = {4800,   9600,  38400,
                                                                   115200, 19200, 57600};
    static constexpr std::chrono::milliseconds kAutoBaudWindow{2000};

    SerialSource(std::string path, std::int32_t baudRate, GpsSourceLog log);

    std::string Open() override;
    SourceRead Read(char* buffer, std::size_t capacity) override;
    void Discard() override { port_.Discard(); }
    void Close() override { port_.Close(); }
    [[nodiscard]] std::string LostText() const override { return "COM port read error."; }
    [[nodiscard]] Silence WhenSilent() const override { return Silence::Report; }
    std::string TakeNote() override;

    // The rate in use: the fixed one, or the one found; 0 while still searching.
    [[nodiscard]] std::int32_t BaudRate() const;

private:
    void TryRate(std::size_t index);

    std::string path_;
    std::int32_t baudRate_;
    GpsSourceLog log_;
    platform::SerialPort port_;
    // Auto rate: the rate that answered (kept across reopening), or the one being tried since
    // tryingSince_.
    std::int32_t foundRate_ = 0;
    std::size_t tryingIndex_ = 0;
    std::chrono::steady_clock::time_point tryingSince_;
    NmeaLineAssembler probe_{4};
    std::string note_;
};

} // namespace gps
