#pragma once

#include "session/Changes.h"

#include <string>
#include <vector>

namespace session {

// What to tell the user: the map view shows it as a message box.
struct Notice {
    enum class Kind { Warning, Error };
    Kind kind = Kind::Error;
    std::string text;
    std::string caption;
    friend bool operator==(const Notice&, const Notice&) = default;
};

// What an operation changed, and what to tell the user about it.
struct Outcome {
    Changes changes;
    std::vector<Notice> notices;
};

} // namespace session
