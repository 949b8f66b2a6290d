#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/SerialPort.h"

// Where the bytes of NMEA come from. Every source hands the same kind of byte stream to the
// link's line assembler, so the status line, trail and follow behave alike whatever it is.
// Open runs on the caller's thread, or on the reader thread for a source that OpensSlowly;
// after that one reader thread alone calls the rest.
namespace gps {

// What the link does when a source has sent no sentence for a while.
enum class Silence {
    Ignore,   // the pauses are the stream's own (a replayed log, the simulator)
    Report,   // tell the user no data is arriving; nothing to reopen (a serial line, UDP)
    Reconnect // tell the user and connect again: the peer may be gone without a word (TCP)
};

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

    [[nodiscard]] virtual Silence WhenSilent() const { return Silence::Ignore; }

    // True when Open may wait on the network (a name lookup, a connect): the window then
    // opens the source on the reader thread, and says so with ConnectingText meanwhile.
    [[nodiscard]] virtual bool OpensSlowly() const { return false; }
    [[nodiscard]] virtual std::string ConnectingText() const { return "Connecting..."; }
    // Given before Open: asked while Open waits, true once the link is closing, so that Open
    // gives up at once.
    virtual void SetCancel(std::function<bool()> cancelled) { (void)cancelled; }

    // A one-time note for the user and the log once the source has settled (the baud rate
    // found); "" when there is none. Taking it empties it.
    virtual std::string TakeNote() { return {}; }
};

} // namespace gps
