#pragma once

#include <cstddef>
#include <string>

#include "platform/SerialPort.h"

// Where the bytes of NMEA come from. Every source hands the same kind of byte stream to the
// link's line assembler, so the status line, trail and follow behave alike whatever it is.
// Open runs on the caller's thread; after that one reader thread alone calls the rest.
namespace gps {

// One read: ok with 0..capacity bytes; a read that finds nothing is ok with 0 bytes. A failed
// read (device gone, connection dropped) is not ok and error holds errno.
using SourceRead = platform::SerialReadResult;

class GpsSource {
public:
    virtual ~GpsSource() = default;

    // Opens the source. "" when it is open, else one line for the user giving the reason
    // ("/dev/ttyUSB0: No such file or directory").
    virtual std::string Open() = 0;

    // Takes what has arrived, at most capacity bytes; never waits.
    virtual SourceRead Read(char* buffer, std::size_t capacity) = 0;

    // Throws away what arrived before now (stale bytes of a serial line's buffer).
    virtual void Discard() {}

    virtual void Close() = 0;

    // True when the stream has ended for good (a replayed log came to its end): no read will
    // give more bytes.
    [[nodiscard]] virtual bool Ended() const { return false; }

    // True when a failed read should close the source and open it again (a device that was
    // unplugged, a server that went away), rather than read it again as it is.
    [[nodiscard]] virtual bool Reopens() const { return true; }

    // The status line's text after "GPS: " while reads fail.
    [[nodiscard]] virtual std::string LostText() const { return "Connection lost, retrying."; }

    // A one-time note for the user and the log once the source has settled (the baud rate
    // found); "" when there is none. Taking it empties it.
    virtual std::string TakeNote() { return {}; }
};

} // namespace gps
