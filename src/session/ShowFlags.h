#pragma once

namespace session {

// The layers and lines the user switched on, and the two GPS switches.
struct ShowFlags {
    bool mapPoints = false;
    bool labels = false;
    bool trail = false;
    bool follow = false; // centre on each new GPS position
    bool statusInfo = false;
    bool cursorInfo = false;
    bool tracking = false; // record GPS positions in the trail
    friend bool operator==(const ShowFlags&, const ShowFlags&) = default;
};

} // namespace session
