#include "trail/TrailKml.h"

#include "base/Number.h"
#include "xml/KmlWriter.h"

namespace trail {

TrailKmlWriter::TrailKmlWriter(std::string& out) : out_(out) {
    xml::AppendKmlDocumentStart(out_);
    out_ += "<Style id=\"trailStyle\">\n"
            "  <LineStyle><width>3</width><color>ff4400ff</color></LineStyle>\n"
            "</Style>\n";
    xml::AppendKmlFolderStart(out_, "QUILO Trails");
}

void TrailKmlWriter::Add(const MapPos& sample) {
    if (!sample.IsSet()) {
        if (inSegment_) {
            out_ += "      </coordinates>\n    </LineString>\n  </Placemark>\n";
            ++segmentNumber_;
            inSegment_ = false;
        }
        return;
    }
    if (!xml::IsKmlPosition(sample.x, sample.y)) {
        ++leftOut_;
        return;
    }
    if (!inSegment_) {
        out_ += "  <Placemark>\n    <styleUrl>#trailStyle</styleUrl>\n    <name>Segment ";
        base::AppendPadded(out_, segmentNumber_, 0);
        out_ += "</name>\n    <LineString><tessellate>1</tessellate>\n      <coordinates>\n";
        inSegment_ = true;
    }
    out_ += "        ";
    xml::AppendKmlCoordinates(out_, sample.x, sample.y);
    out_ += '\n';
}

void TrailKmlWriter::Finish() {
    Add(MapPos{}); // closes an open segment
    xml::AppendKmlDocumentEnd(out_);
}

std::string TrailKml(const TrailBuffer& trail, std::size_t* leftOut) {
    std::string out;
    TrailKmlWriter writer(out);
    for (const MapPos& sample : trail.OldestToNewest())
        writer.Add(sample);
    writer.Finish();
    if (leftOut != nullptr)
        *leftOut = writer.LeftOut();
    return out;
}

platform::FileResult ExportTrailKml(const TrailBuffer& trail, const std::string& path) {
    return platform::WriteFileAtomically(path, TrailKml(trail));
}

} // namespace trail
