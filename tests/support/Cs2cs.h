#pragma once

// PROJ's cs2cs as an independent second process for the truth of conversions. Coordinates go
// in and come out in each CRS's own axis order (EPSG latitude/longitude: latitude first).

#include "support/RunTool.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

using Pair = std::array<double, 2>;

// All points through one cs2cs run; what it cannot convert comes back as NaN.
inline std::vector<Pair> Cs2cs(const std::string& from, const std::string& to,
                               const std::vector<Pair>& points) {
    std::ostringstream in;
    in.precision(17);
    for (const Pair& p : points)
        in << p[0] << ' ' << p[1] << '\n';
    const RunResult run = Run(QUILO_CS2CS, {"-f", "%.12f", from, to}, in.str());
    EXPECT_EQ(run.status, 0) << "cs2cs " << from << ' ' << to << ": " << run.err;
    std::istringstream out(run.out);
    std::vector<Pair> result(points.size(), Pair{NAN, NAN});
    std::string line;
    for (Pair& p : result) {
        if (std::getline(out, line) && !(std::istringstream(line) >> p[0] >> p[1]))
            p = Pair{NAN, NAN}; // cs2cs writes "*" for a point it cannot convert
    }
    return result;
}

} // namespace testsupport
