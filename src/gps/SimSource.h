#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "gps/DemoTown.h"
#include "gps/GpsSource.h"
#include "gps/NetworkSource.h"

namespace gps {

// The demo's simulated receiver inside the program: once a period, GGA, RMC and GSA for its
// place on the demo route, stamped with the current UTC time, driving at the demo's speed.
class SimSource : public GpsSource {
public:
    struct Options {
        std::chrono::milliseconds period{1000};
        double speedMetresPerSecond = 16.0;
    };

    SimSource() : SimSource(Options{}) {}
    explicit SimSource(Options options);

    std::string Open() override;
    SourceRead Read(char* buffer, std::size_t capacity) override;
    void Close() override { pending_.Clear(); }
    [[nodiscard]] bool Reopens() const override { return false; }

private:
    Options options_;
    demo::RouteDriver driver_;
    std::chrono::steady_clock::time_point start_;
    std::int64_t batches_ = 0;
    PendingBytes pending_;
};

} // namespace gps
