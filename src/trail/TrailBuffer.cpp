#include "trail/TrailBuffer.h"

#include <algorithm>

#include "geo/RangeBearing.h"

namespace trail {

namespace {

std::size_t Capacity(std::int32_t maxLength) {
    return static_cast<std::size_t>(std::max<std::int32_t>(maxLength, 0));
}

} // namespace

void TrailBuffer::AddBreak() {
    samples_.emplace_front();
}

bool TrailBuffer::ReachesMinDelta(const MapPos& newest, const MapPos& position, double minDelta) {
    // Written as a positive test so that a NaN distance or minDelta never records.
    return calib::RangeAndBearing(newest, position).distance >= minDelta;
}

bool TrailBuffer::Record(const MapPos& position, double minDelta, std::int32_t maxLength) {
    if (samples_.empty()) {
        samples_.push_front(position);
        return true;
    }
    if (!ReachesMinDelta(samples_.front(), position, minDelta))
        return false;
    samples_.push_front(position);
    TrimTo(maxLength);
    return true;
}

void TrailBuffer::RemoveOldest() {
    if (!samples_.empty())
        samples_.pop_back();
}

void TrailBuffer::TrimTo(std::int32_t maxLength) {
    const std::size_t capacity = Capacity(maxLength);
    while (samples_.size() > capacity)
        samples_.pop_back();
}

} // namespace trail
