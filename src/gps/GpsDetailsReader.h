#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "gps/GpsDetails.h"
#include "gps/NmeaDecode.h"

// Keeps GpsDetails up to date from every sentence line of a receiver's stream, beside the
// handheld's fold (which reads only the newest five GGA, RMC and GSA lines of an update).
//
// The sky is assembled from GSV groups, one per talker and signal (the NMEA 4.10 signal id;
// "$PQGSV" also by its system id): a group is taken when its last sentence arrives, with the
// satellites of the sentences that came before it in order, however many sentences it has and
// however many updates it spans. A lost sentence leaves its satellites out (as a lost group
// would leave them stale); a sentence that does not follow the ones gathered starts the group
// again. Each talker and signal keeps its newest group; the details' sky is all of them.
//
// "Used" comes from GSA, never from GSV: a satellite is used when the newest GSA of its
// system names it. A GSA's system is its NMEA 4.10 system id, else its talker; a "GN" GSA
// without one covers every system, so a run of them back to back names all used satellites.
namespace gps {

// One complete GSV group, as the tool prints it.
struct SkyGroup {
    std::array<char, 2> talker{};
    std::optional<int> signal;
    std::vector<SkySatellite> satellites; // in the order sent; used as the newest GSA says
};

// The constellation of satellite number prn of a sentence from talker ("GP", "GL", "GN"...),
// with the sentence's NMEA 4.10 system id when it sent one. GPS sentences and unknown talkers
// carry SBAS (33-64, 120-158) and QZSS (193-202) by number; "GN" and the others name each
// system by its number range (GLONASS 65-96, Galileo 301-336, BeiDou 201-263 and 401-437).
Constellation ConstellationOf(std::string_view talker, int prn, std::optional<int> systemId);

class GpsDetailsReader {
public:
    // The user range error the HDOP estimate takes: accuracy ~ HDOP x 5 m, a typical
    // single-frequency figure, labelled as an estimate.
    static constexpr double kUereM = 5.0;

    // Takes one decoded sentence, of any line. True when it completed a GSV group (LastGroup()).
    bool Add(const DecodedSentence& sentence);

    [[nodiscard]] const GpsDetails& Details() const;
    [[nodiscard]] const SkyGroup& LastGroup() const { return lastGroup_; }

private:
    // A satellite named by a GSA: its system, its number in the system and which GSA named it.
    struct Used {
        Constellation system;
        int svid;
        int source; // the GSA's system id, or 0 for a "GN" GSA without one
    };
    using GroupKey = std::tuple<char, char, int, int>; // talker, signal, system id (-1: none)
    struct Pending {
        int sentences = 0;
        int next = 1;
        std::vector<SkySatellite> satellites;
    };

    void OnGsv(const GsvRecord& gsv, bool ok);
    void OnGsa(std::string_view talker, const GsaRecord& gsa);
    void SetTimeOfDay(std::optional<std::int64_t> timeOfDayMs);
    void SetFix(bool hasFix);
    void Settle();
    [[nodiscard]] bool IsUsed(const SkySatellite& satellite) const;

    mutable GpsDetails details_;
    mutable bool skyDirty_ = false;

    std::optional<std::int64_t> midnightMs_; // of the last date sent
    std::optional<bool> hasFix_;             // what the last GGA or RMC said
    std::optional<int> quality_;             // of the last GGA
    char rmcMode_ = 0;
    std::optional<int> gsaMode_;
    std::optional<double> gstSigma_;
    std::vector<Used> used_;
    bool lastWasGsa_ = false;

    std::map<GroupKey, Pending> pending_;
    std::map<GroupKey, std::vector<SkySatellite>> groups_;
    SkyGroup lastGroup_;
    std::size_t groupsCompleted_ = 0;
};

} // namespace gps
