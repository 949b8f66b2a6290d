// The soak of bench/SoakGps.cpp in a shortened form: twenty simulated minutes of a 10 Hz
// receiver (QUILO_SOAK_SECONDS sets another length), enough to fill a trail of 9999 and run on
// past it.
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <cstring>

#include "GpsSoak.h"

namespace {

TEST(GpsSoak, TenHertzReceiverThroughTheWholePath) {
    soak::SoakOptions options;
    options.simulatedSeconds = 1200;
    if (const char* seconds = std::getenv("QUILO_SOAK_SECONDS"))
        std::from_chars(seconds, seconds + std::strlen(seconds), options.simulatedSeconds);
    options.wallBudget = std::chrono::seconds(100);
    const soak::SoakReport report = soak::RunGpsSoak(options);
    std::cout << soak::Describe(report);

    EXPECT_TRUE(report.completed) << report.failure;
    EXPECT_TRUE(report.finalFixMatches);
    EXPECT_EQ(report.sentences, report.epochs * 3) << "no GGA, RMC or GSA line was lost";
    EXPECT_GE(report.trailFullAtEpoch, 0) << "the trail reached its bound";
    EXPECT_LE(report.trailMax, 9999u + 1u) << "its bound plus the one break of a reconnect";
#if !defined(__SANITIZE_ADDRESS__)
    // (AddressSanitizer keeps freed memory in quarantine, so RSS means nothing there.)
    EXPECT_LE(report.peakRssEndKb - report.peakRssTrailFullKb, 1024)
        << "memory grew after the trail was full";
#endif
}

} // namespace
