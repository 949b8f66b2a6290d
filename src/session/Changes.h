#pragma once

#include <cstdint>

namespace session {

// What a session operation changed, so the view repaints and the frame updates only that.
enum class Changed : std::uint32_t {
    Map = 1u << 0,         // another map, or none
    Trail = 1u << 1,       // the trail shown
    Points = 1u << 2,      // the map points
    Marker = 1u << 3,      // the GPS marker or fix
    StatusLine = 1u << 4,  // the status text is a new one
    CursorLine = 1u << 5,  // the cursor text is a new one
    Calibration = 1u << 6, // the calibration pairs or their undo
    Details = 1u << 7,     // the receiver's details, the trip meter or the go-to point
};

// A set of Changed.
class Changes {
public:
    constexpr Changes() = default;
    constexpr Changes(Changed one)
        : bits_(static_cast<std::uint32_t>(one)) {} // NOLINT: a set of one
    [[nodiscard]] constexpr bool Has(Changed one) const {
        return (bits_ & static_cast<std::uint32_t>(one)) != 0;
    }
    [[nodiscard]] constexpr bool Any() const { return bits_ != 0; }
    constexpr Changes& operator|=(Changes other) {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr Changes operator|(Changes a, Changes b) { return a |= b; }
    friend constexpr bool operator==(Changes, Changes) = default;

private:
    std::uint32_t bits_ = 0;
};

constexpr Changes operator|(Changed a, Changed b) {
    return Changes(a) | Changes(b);
}

} // namespace session
