#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/MapPos.h"
#include "platform/FileIo.h"
#include "trail/TrackPoint.h"
#include "trail/TrailBuffer.h"

// The trail file (.trl): one position list of the trail's samples, newest first, breaks
// included, with no header: a 16-bit little-endian count (0xFFFF then a 32-bit count from
// 65535 on), then 24 bytes a sample (the reserved word 0x0001F7B8, four zero bytes, latitude,
// longitude as little-endian doubles). An empty trail is the 2-byte file 00 00.
namespace trail {

// The file's bytes for the trail.
[[nodiscard]] std::string EncodeTrailFile(const TrailBuffer& trail);

// The samples of a trail file in file order (newest first), or nothing when the bytes are not
// a whole trail file (shorter than the count says, or a coordinate that is NaN or infinite).
// Bytes after the last sample are ignored, as the handheld program ignores them.
[[nodiscard]] std::optional<std::vector<MapPos>> DecodeTrailFile(std::string_view bytes);

// Adds loaded samples (newest first, as read) as the newest part of the trail, fenced by a
// break on either side: a break, then the samples from the oldest on, each added at the front
// and followed by one removal of the oldest sample when more than trailLength are held (below
// 0 counts as 0), then a break. 300 samples into an empty trail with trailLength 250 leave
// the 250 newest and the closing break.
void InsertLoadedSamples(TrailBuffer& trail, const std::vector<MapPos>& newestFirst,
                         std::int32_t trailLength);

// The track's positions newest first, with a break (0, 0) between segments, as
// InsertLoadedSamples takes them.
[[nodiscard]] std::vector<MapPos> NewestFirstSamples(const Track& track);

// Writes the format base::SavedTrailFormat(path) names: the GPX document (".gpx",
// trail/TrailGpx.h), the trail file (".trl") or the KML document (anything else). The write
// is atomic: on failure the error names the path and any old file is left as it was.
platform::FileResult SaveTrail(const TrailBuffer& trail, const std::string& path);

// Reads, as base::LoadedTrailFormat(path) names, a GPX document's tracks, or its routes when
// it has no track (".gpx",
// xml/GpxReader.h; a break between segments), a KML document's line strings (".kml",
// xml/KmlReader.h) or a trail file and inserts its samples (InsertLoadedSamples). A
// file that is missing, cannot be read or is damaged or truncated is reported ("PATH: reason")
// and leaves the trail as it was; so is a GPX or KML file without a point of a trail ("PATH:
// holds no track or route"). loaded, when given, receives what was read as runs, oldest
// first, with the times and heights the file gives.
platform::LoadResult LoadTrail(TrailBuffer& trail, const std::string& path,
                               std::int32_t trailLength, Track* loaded = nullptr);

} // namespace trail
