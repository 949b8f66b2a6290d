// soak-gps [SIMULATED_SECONDS] [WALL_BUDGET_SECONDS]: an hour (by default) of a 10 Hz receiver
// through a pseudo-terminal, the reader thread and the update handling into a trail of 9999;
// prints the figures and fails when an invariant broke or memory grew after the trail filled.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "GpsSoak.h"

int main(int argc, char** argv) {
    soak::SoakOptions options;
    const auto number = [](std::string_view text, std::int64_t fallback) {
        std::int64_t value = fallback;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    };
    if (argc > 1)
        options.simulatedSeconds = number(argv[1], 3600);
    options.wallBudget = std::chrono::seconds(argc > 2 ? number(argv[2], 1800) : 1800);
    const soak::SoakReport report = soak::RunGpsSoak(options);
    std::cout << soak::Describe(report);
    const bool flat =
        report.peakRssTrailFullKb > 0 && report.peakRssEndKb - report.peakRssTrailFullKb <= 1024;
    std::cout << "memory flat after the trail filled (within 1 MiB): " << (flat ? "yes" : "no")
              << "\n";
    return report.completed && report.finalFixMatches && flat ? 0 : 1;
}
