#pragma once

#include <vector>

#include "base/MapPos.h"
#include "trail/TrailBuffer.h"

// The trail's samples, newest first.
inline std::vector<MapPos> SamplesOf(const trail::TrailBuffer& trail) {
    const auto walk = trail.NewestToOldest();
    return {walk.begin(), walk.end()};
}
