#pragma once

#include <chrono>
#include <cstdint>
#include <string>

// A long run of a 10 Hz receiver through the real GPS path: sentences written to a
// pseudo-terminal, the reader thread polling it every millisecond, and the map view's update
// handling (rate limit, fold, status line, trail recording) on the calling thread. The
// simulated clock advances 100 ms per receiver epoch, so an hour runs in about a minute.
namespace soak {

struct SoakOptions {
    std::int64_t simulatedSeconds = 3600;
    // Stops early (and says so) when the run takes longer than this.
    std::chrono::seconds wallBudget{110};
    std::int32_t trailLength = 9999;
    double trailMinDelta = 5.0;
};

struct SoakReport {
    bool completed = false;      // every epoch was sent and handled within the wall budget
    std::string failure;         // why not, or the first broken invariant
    std::int64_t epochs = 0;     // receiver epochs sent (10 a simulated second)
    std::int64_t bytes = 0;      // bytes written to the line
    std::int64_t sentences = 0;  // GGA, RMC and GSA lines the reader queued
    std::int64_t updates = 0;    // updates handled by the rate-limited handler
    std::int64_t reconnects = 0; // Disconnect and Connect again, as the user does
    double wallSeconds = 0.0;
    std::size_t trailCount = 0;         // samples at the end, breaks included
    std::size_t trailMax = 0;           // the most ever held
    std::int64_t trailFullAtEpoch = -1; // first epoch after which the trail held trailLength
    // Peak resident set size (VmHWM) in KiB: after the first simulated minute, when the trail
    // first reached its bound, and at the end.
    long peakRssStartKb = 0;
    long peakRssTrailFullKb = 0;
    long peakRssEndKb = 0;
    bool finalFixMatches = false; // the view's fix equals a direct decode of the last epoch
};

SoakReport RunGpsSoak(const SoakOptions& options);

// One line per figure, for a log or a test's output.
std::string Describe(const SoakReport& report);

} // namespace soak
