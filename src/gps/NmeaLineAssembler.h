#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

// Cuts the byte stream of a serial line into NMEA sentence lines. Owned by the reader thread.
//
// Byte rules, applied one byte at a time:
//   "$"              starts a new line; a line in progress is thrown away.
//   carriage return  completes the line in progress when it holds 1..kMaxLineLength bytes;
//                    the line stays in the buffer, so a second carriage return before the
//                    next "$" completes it again, with whatever came between (usually the
//                    line feed) at its end.
//   line feed        completes the line in the same way when no carriage return has
//                    completed it yet, for streams whose lines end in a bare line feed
//                    (captures replayed from files, some Bluetooth and network relays);
//                    after a carriage return it is an ordinary byte, as in "\r\n".
//                    A carriage return right after the line feed that completed a line
//                    belongs to that break ("\n\r") and completes nothing.
//   any other byte   is appended while a line is in progress and the buffer has room;
//                    otherwise dropped.
// So bytes before the first "$" are dropped, a line holds at most kMaxLineLength bytes with
// its "$", and a longer one is never completed: once the buffer is full its carriage return is
// ignored. Lines carry no carriage return; bytes are kept as they came.
namespace gps {

class NmeaLineAssembler {
public:
    // High-precision receivers (RTK, eight-decimal minutes) send GGA and RMC lines of 83 to 95
    // characters, beyond NMEA's 82; 255 leaves room for any real sentence while keeping the
    // buffer small and fixed.
    static constexpr std::size_t kMaxLineLength = 255;
    static constexpr std::int32_t kDefaultMaxLines = 30;

    // maxLines: how many completed lines are kept; the oldest is dropped beyond it (at least 1).
    explicit NmeaLineAssembler(std::int32_t maxLines = kDefaultMaxLines);

    // Returns how many lines these bytes completed, including any that were dropped again
    // because more than maxLines were waiting.
    std::int32_t Feed(const char* bytes, std::size_t count);

    // Takes the oldest completed line; false when none is waiting.
    bool PopLine(std::string& line);

    // Throws away the waiting lines and the line in progress.
    void Reset();

private:
    std::size_t maxLines_;
    std::deque<std::string> lines_;
    // One byte more than a line may hold, so that a full line can grow past the limit and
    // be recognised as too long.
    std::array<char, kMaxLineLength + 1> buffer_{};
    std::size_t length_ = 0; // 0: no line started
    bool completed_ = false; // the line in the buffer was completed once already
    bool afterLf_ = false;   // the last byte was a line feed that completed the line
};

} // namespace gps
