#pragma once

#include <string>

#include "platform/FileIo.h"
#include "trail/TrailBuffer.h"
#include "xml/GpxWriter.h"

namespace trail {

// A whole GPX document for the trail's samples, oldest to newest: one segment per run of set
// samples between breaks, positions only (xml/GpxWriter.h).
[[nodiscard]] std::string TrailGpx(const TrailBuffer& trail, xml::GpxLeftOut* leftOut = nullptr);

// Writes TrailGpx(trail) to path atomically; on failure the error names the path and the old
// file is left as it was.
[[nodiscard]] platform::FileResult ExportTrailGpx(const TrailBuffer& trail,
                                                  const std::string& path);

} // namespace trail
