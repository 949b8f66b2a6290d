#include "trail/TrailFile.h"

#include "trail/TrailGpx.h"
#include "xml/GpxReader.h"
#include "xml/KmlReader.h"

#include <algorithm>
#include <cmath>

#include "base/FileKind.h"
#include "calib/PositionList.h"
#include "trail/TrailKml.h"

namespace trail {

namespace {

// A trail file's samples (newest first) as runs between its breaks, oldest first.
Track RunsOf(const std::vector<MapPos>& newestFirst) {
    Track track(1);
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
        if (it->IsSet())
            track.back().push_back(TrackPoint{*it});
        else if (!track.back().empty())
            track.emplace_back();
    }
    if (track.back().empty())
        track.pop_back();
    return track;
}

} // namespace

std::string EncodeTrailFile(const TrailBuffer& trail) {
    const auto walk = trail.NewestToOldest();
    const std::vector<MapPos> samples(walk.begin(), walk.end());
    std::string out;
    out.reserve(6 + samples.size() * calib::kPositionRecordSize);
    // A trail cannot outgrow the 32-bit count: it would need over 100 GB of memory first.
    (void)calib::EncodePositionList(out, samples);
    return out;
}

std::optional<std::vector<MapPos>> DecodeTrailFile(std::string_view bytes) {
    std::size_t cursor = 0;
    auto samples = calib::DecodePositionList(bytes, cursor);
    // No receiver reports a NaN or infinite position: such a record is damage, and letting it
    // in would poison every distance measured from it.
    if (samples && !std::all_of(samples->begin(), samples->end(), [](const MapPos& sample) {
            return std::isfinite(sample.y) && std::isfinite(sample.x);
        }))
        return std::nullopt;
    return samples;
}

std::vector<MapPos> NewestFirstSamples(const Track& track) {
    std::vector<MapPos> samples;
    for (auto segment = track.rbegin(); segment != track.rend(); ++segment) {
        if (!samples.empty())
            samples.emplace_back();
        for (auto point = segment->rbegin(); point != segment->rend(); ++point)
            samples.push_back(point->position);
    }
    return samples;
}

void InsertLoadedSamples(TrailBuffer& trail, const std::vector<MapPos>& newestFirst,
                         std::int32_t trailLength) {
    const auto capacity = static_cast<std::size_t>(std::max<std::int32_t>(trailLength, 0));
    trail.AddBreak();
    for (auto it = newestFirst.rbegin(); it != newestFirst.rend(); ++it) {
        trail.AddFront(*it);
        if (trail.Count() > capacity)
            trail.RemoveOldest();
    }
    trail.AddBreak();
}

platform::FileResult SaveTrail(const TrailBuffer& trail, const std::string& path) {
    switch (base::SavedTrailFormat(path).kind) {
    case base::FileKind::Gpx:
        return ExportTrailGpx(trail, path);
    case base::FileKind::TrailFile:
        return platform::WriteFileAtomically(path, EncodeTrailFile(trail));
    default:
        return ExportTrailKml(trail, path);
    }
}

platform::LoadResult LoadTrail(TrailBuffer& trail, const std::string& path,
                               std::int32_t trailLength, Track* loaded) {
    const base::FileKind kind = base::LoadedTrailFormat(path).kind;
    if (kind == base::FileKind::Gpx || kind == base::FileKind::Kml) {
        Track track;
        if (kind == base::FileKind::Gpx) {
            xml::GpxContents gpx;
            if (auto read = xml::ReadGpxFile(path, gpx); !read)
                return read;
            track = xml::GpxTrail(gpx);
        } else if (auto read = xml::ReadKmlTrack(path, track); !read) {
            return read;
        }
        // An empty trail would look like a load that worked.
        if (track.empty())
            return platform::LoadResult::Damaged(path + ": holds no track or route");
        InsertLoadedSamples(trail, NewestFirstSamples(track), trailLength);
        if (loaded != nullptr)
            *loaded = std::move(track);
        return {};
    }
    std::string bytes;
    if (auto read = platform::ReadFileToLoad(path, bytes); !read)
        return read;
    auto samples = DecodeTrailFile(bytes);
    if (!samples)
        return platform::LoadResult::Damaged(path + ": not a trail file, or damaged or truncated");
    InsertLoadedSamples(trail, *samples, trailLength);
    if (loaded != nullptr)
        *loaded = RunsOf(*samples);
    return {};
}

} // namespace trail
