#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "base/MapPos.h"

namespace trail {

// The record of where the GPS has been: positions (y = latitude, x = longitude, decimal
// degrees) newest first, with empty positions (0, 0) as breaks between segments. Any sample
// that is not set (y or x exactly 0) acts as a break when drawn or exported.
//
// The store is bounded only where it is trimmed: Record trims to maxLength after adding, the
// trail file load trims one sample per sample added, AddBreak never trims. So a full trail of
// TrailLength samples holds TrailLength + 1 after a break, until the next recorded position.
class TrailBuffer {
public:
    using Samples = std::deque<MapPos>;

    // The Track state: while false the map view does not offer GPS positions to Record. The
    // store itself does not look at it.
    bool recording = true;

    // Adds the empty position (0, 0) at the front, without trimming.
    void AddBreak();

    // Offers a GPS position. Into an empty store it is added whatever minDelta is. Otherwise
    // it is added when its great-circle distance from the newest sample (a break counts as
    // 0 N 0 E, so the first position after a break is always kept) is at least minDelta metres;
    // then the oldest samples are removed while more than maxLength remain. A maxLength below
    // 0 counts as 0: recording into a store that holds anything then empties it. A NaN distance
    // or minDelta adds nothing. Returns true when the position was added.
    bool Record(const MapPos& position, double minDelta, std::int32_t maxLength);

    // True when Record would add `position` to a store whose newest sample is `newest`.
    [[nodiscard]] static bool ReachesMinDelta(const MapPos& newest, const MapPos& position,
                                              double minDelta);

    // Removes every sample, breaks included.
    void Clear() { samples_.clear(); }

    [[nodiscard]] std::size_t Count() const { return samples_.size(); }
    [[nodiscard]] bool Empty() const { return samples_.empty(); }

    // The walks. Drawing and the KML export go oldest to newest; the trail file newest to
    // oldest. Both include the breaks.
    // A plain begin/end pair rather than std::ranges::subrange, which clang 14 cannot
    // instantiate over libstdc++ 12's deque iterators (the fuzz build uses clang).
    template <typename Iterator> struct Walk {
        Iterator first;
        Iterator last;
        [[nodiscard]] Iterator begin() const { return first; }
        [[nodiscard]] Iterator end() const { return last; }
    };
    [[nodiscard]] auto OldestToNewest() const {
        return Walk<Samples::const_reverse_iterator>{samples_.crbegin(), samples_.crend()};
    }
    [[nodiscard]] auto NewestToOldest() const {
        return Walk<Samples::const_iterator>{samples_.cbegin(), samples_.cend()};
    }

    // The primitive edits the trail file load builds on.
    void AddFront(const MapPos& sample) { samples_.push_front(sample); }
    // Does nothing on an empty store.
    void RemoveOldest();
    // Removes the oldest samples while more than maxLength remain (below 0 counts as 0).
    void TrimTo(std::int32_t maxLength);

private:
    Samples samples_;
};

} // namespace trail
