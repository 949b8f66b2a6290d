#pragma once

#include <cstdint>

#include "base/MapPos.h"

namespace gps {

// The latest GPS state as the map view knows it. Read and written on the user-interface thread
// only. satellites, hdop and altitude are never reset: they keep the last reported values
// across fix loss, disconnect and reconnect, until a later sentence replaces them.
struct GpsFix {
    // Last decoded position, decimal degrees (y latitude, north positive; x longitude, east
    // positive). Kept when the fix is lost or the GPS disconnects; (0, 0) until the first one.
    MapPos position;
    // True while the last GGA or RMC sentence handled carried a position; cleared also by a
    // read error and by Disconnect.
    bool hasFix = false;
    // Last reported satellite count (GGA field 7 or GSA used count, whichever came last).
    std::int32_t satellites = 0;
    // Last reported horizontal dilution of precision; 0.0 or below means none is known.
    double hdop = -1.0;
    // Last reported altitude, metres; 0.0 means none is known (only values above 0 are taken).
    double altitude = 0.0;
};

} // namespace gps
