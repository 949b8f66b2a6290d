#include "trail/TrailGpx.h"

namespace trail {

std::string TrailGpx(const TrailBuffer& trail, xml::GpxLeftOut* leftOut) {
    std::string out;
    xml::AppendGpxDocumentStart(out);
    xml::GpxTrackWriter writer(out, xml::kGpxTrackName);
    for (const MapPos& sample : trail.OldestToNewest()) {
        if (sample.IsSet())
            writer.Add(xml::TrackPoint{sample});
        else
            writer.EndSegment();
    }
    writer.Finish();
    xml::AppendGpxDocumentEnd(out);
    if (leftOut != nullptr)
        *leftOut = writer.LeftOut();
    return out;
}

platform::FileResult ExportTrailGpx(const TrailBuffer& trail, const std::string& path) {
    return platform::WriteFileAtomically(path, TrailGpx(trail));
}

} // namespace trail
