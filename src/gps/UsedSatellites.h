#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "gps/GpsDetails.h"
#include "gps/NmeaDecode.h"

namespace gps {

// The satellites one receiver fix used. A multi-constellation receiver sends a GSA a system
// (GPS, GLONASS, Galileo, BeiDou...) for every fix, so the fix's count is the union of them;
// the last GSA alone would give only its own system's.
//
// A new fix starts the union afresh: a GGA or RMC with another time field than the one the
// union began under, or a GSA from a system that already sent one (the queue may have dropped
// the fix's GGA and RMC). A GSA's system is its NMEA 4.10 system id, else its talker; a "GN" GSA
// without an id stands for the system of its first satellite, and with no satellites for none;
// it is that system again only when it names a satellite already counted.
// Reads across update batches, so it lives as long as the connection.
class UsedSatellites {
public:
    // A GGA or RMC with this time field, whether it decoded or not.
    void OnFixTime(std::optional<std::int64_t> timeOfDayMs);
    // A GSA that decoded, from talker ("GP", "GN"...); the number the fix used so far.
    std::int32_t Add(std::string_view talker, const GsaRecord& gsa);

private:
    using Source = std::tuple<char, char, int, int>; // talker, system id, first satellite's system

    std::optional<std::int64_t> fixTime_;
    std::optional<std::int64_t> unionTime_;
    bool started_ = false;
    std::size_t gsas_ = 0; // in the union
    std::vector<Source> sources_;
    std::vector<std::pair<Constellation, int>> used_; // system, number
    std::int32_t unnumbered_ = 0; // satellite fields that read as no number, counted all the same
};

} // namespace gps
