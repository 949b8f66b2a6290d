#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include "calib/MapPos.h"
#include "trail/TrailBuffer.h"

// The trail's samples, newest first.
inline std::vector<MapPos> SamplesOf(const trail::TrailBuffer& trail) {
    const auto walk = trail.NewestToOldest();
    return {walk.begin(), walk.end()};
}

inline bool HaveXmllint() {
    return std::system("command -v xmllint >/dev/null 2>&1") == 0;
}

// True when xmllint parses the file as well-formed XML.
inline bool XmllintAccepts(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}
