#pragma once

#include <cstring>
#include <string_view>

#include "base/MapPos.h"

// Helpers shared by the fuzz targets. A broken invariant traps, so libFuzzer records the input
// as a crash just as it does for a sanitizer report.
namespace fuzz {

inline void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Doubles compared by their bits: a NaN read from a file must come back as the same NaN.
inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool SameBits(const MapPos& a, const MapPos& b) {
    return SameBits(a.y, b.y) && SameBits(a.x, b.x);
}

// Takes the first byte of the input as a small parameter (0 when empty).
inline unsigned TakeByte(std::string_view& input) {
    if (input.empty())
        return 0;
    const auto value = static_cast<unsigned char>(input.front());
    input.remove_prefix(1);
    return value;
}

} // namespace fuzz
