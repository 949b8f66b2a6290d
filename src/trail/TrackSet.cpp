#include "trail/TrackSet.h"

#include <algorithm>
#include <cmath>

namespace trail {

std::optional<GeoBounds> BoundsOf(const Track& track) {
    std::optional<GeoBounds> bounds;
    for (const TrackSegment& segment : track) {
        for (const TrackPoint& point : segment) {
            const MapPos& p = point.position;
            if (!std::isfinite(p.x) || !std::isfinite(p.y))
                continue;
            if (!bounds) {
                bounds = GeoBounds{p, p};
                continue;
            }
            bounds->southWest = {std::min(bounds->southWest.x, p.x),
                                 std::min(bounds->southWest.y, p.y)};
            bounds->northEast = {std::max(bounds->northEast.x, p.x),
                                 std::max(bounds->northEast.y, p.y)};
        }
    }
    return bounds;
}

TrailStatistics StatisticsOf(const Track& track) {
    TrailStatisticsBuilder builder;
    for (const TrackSegment& segment : track) {
        builder.Add(JournalEntry::Break(0));
        for (const TrackPoint& point : segment)
            builder.Add({JournalEntry::Kind::Fix, point});
    }
    return builder.Result();
}

void TrackSet::Add(LoadedTrack track) {
    track.statistics = StatisticsOf(track.track);
    track.colour = kPalette[added_++ % std::size(kPalette)];
    tracks_.push_back(std::move(track));
    ++version_;
}

void TrackSet::Remove(std::size_t index) {
    if (index >= tracks_.size())
        return;
    tracks_.erase(tracks_.begin() + static_cast<std::ptrdiff_t>(index));
    ++version_;
}

void TrackSet::SetShown(std::size_t index, bool shown) {
    if (index >= tracks_.size() || tracks_[index].shown == shown)
        return;
    tracks_[index].shown = shown;
    ++version_;
}

void TrackSet::SetColour(std::size_t index, std::uint32_t colour) {
    if (index >= tracks_.size())
        return;
    tracks_[index].colour = colour & 0xFFFFFFu;
    ++version_;
}

bool TrackSet::Edit(std::size_t index, const std::function<bool(LoadedTrack&)>& edit) {
    if (index >= tracks_.size() || !edit(tracks_[index]))
        return false;
    ++version_;
    return true;
}

void TrackSet::Clear() {
    tracks_.clear();
    ++version_;
}

std::vector<std::string> TrackSet::Paths() const {
    std::vector<std::string> paths;
    for (const LoadedTrack& t : tracks_)
        if (std::find(paths.begin(), paths.end(), t.path) == paths.end())
            paths.push_back(t.path);
    return paths;
}

bool TrackSet::Holds(const std::string& path) const {
    return std::any_of(tracks_.begin(), tracks_.end(),
                       [&path](const LoadedTrack& t) { return t.path == path; });
}

} // namespace trail
