#pragma once

#include <string>
#include <string_view>

#include "platform/FileIo.h"
#include "trail/TrackPoint.h"
#include "xml/XmlReader.h"

namespace trail {

// The trail of a KML document, as ours and other programs write it: every LineString is an
// unbroken run of its coordinates ("longitude,latitude[,altitude]" tuples), in document order.
// A tuple out of range or not a number refuses the whole document; track is replaced only on
// success.
xml::Result ParseKmlTrack(std::string_view document, Track& track);
platform::LoadResult ReadKmlTrack(const std::string& path, Track& track);

// True when the path's extension is ".kml" in any case.
[[nodiscard]] bool IsKmlFilePath(std::string_view path);

} // namespace trail
