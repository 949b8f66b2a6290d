#include "gps/UsedSatellites.h"

#include <algorithm>

#include "gps/GpsDetailsReader.h"

namespace gps {

void UsedSatellites::OnFixTime(std::optional<std::int64_t> timeOfDayMs) {
    fixTime_ = timeOfDayMs;
}

std::int32_t UsedSatellites::Add(std::string_view talker, const GsaRecord& gsa) {
    std::optional<Source> source;
    if (gsa.systemId)
        source = Source('\0', '\0', *gsa.systemId, -1);
    else if (talker != "GN")
        source = Source(talker[0], talker[1], -1, -1);
    else if (gsa.prnCount > 0)
        source = Source('G', 'N', -1, static_cast<int>(ConstellationOf(talker, gsa.prns[0], {})));

    bool repeated =
        source && std::find(sources_.begin(), sources_.end(), *source) != sources_.end();
    if (repeated && !gsa.systemId && talker == "GN") {
        // Told apart only by numbers, two systems may look alike (Galileo numbered as GPS):
        // the same system again names satellites it named before.
        repeated = false;
        for (int i = 0; i < gsa.prnCount && !repeated; ++i) {
            const int prn = gsa.prns[static_cast<std::size_t>(i)];
            repeated = std::find(used_.begin(), used_.end(),
                                 std::pair(ConstellationOf(talker, prn, {}), prn)) != used_.end();
        }
    }
    // No receiver sends this many GSAs for one fix: hostile bytes must not grow the union.
    constexpr std::size_t kMostGsas = 16;
    if (!started_ || repeated || fixTime_ != unionTime_ || gsas_ >= kMostGsas) {
        started_ = true;
        unionTime_ = fixTime_;
        sources_.clear();
        used_.clear();
        unnumbered_ = 0;
        gsas_ = 0;
    }
    ++gsas_;
    if (source)
        sources_.push_back(*source);
    for (int i = 0; i < gsa.prnCount; ++i) {
        const int prn = gsa.prns[static_cast<std::size_t>(i)];
        const std::pair satellite(ConstellationOf(talker, prn, gsa.systemId), prn);
        if (std::find(used_.begin(), used_.end(), satellite) == used_.end())
            used_.push_back(satellite);
    }
    unnumbered_ += std::max(gsa.satellitesUsed - gsa.prnCount, 0);
    return static_cast<std::int32_t>(used_.size()) + unnumbered_;
}

} // namespace gps
