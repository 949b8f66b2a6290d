#pragma once

#include <cstddef>
#include <string>

#include "base/MapPos.h"
#include "platform/FileIo.h"
#include "trail/TrailBuffer.h"

namespace trail {

// The trail's KML document, fed one sample at a time from the oldest to the newest, so that a
// trail too long to hold (a converted NMEA log) can be streamed: the caller moves the text out
// of `out` whenever it likes. Each run of set samples between breaks becomes one placemark,
// "Segment 1", "Segment 2"... in recording order; consecutive breaks, and breaks at either
// end, make no empty placemarks; a trail without set samples gives an empty folder.
class TrailKmlWriter {
public:
    // Appends the envelope's opening lines, the trail style and the folder line to out.
    explicit TrailKmlWriter(std::string& out);

    // A set sample (both coordinates non-zero) appends a coordinate line, opening a placemark
    // first when none is open; anything else closes the open placemark. A set sample a KML
    // reader would refuse (IsKmlPosition: a glitch off the globe) is left out and counted.
    void Add(const MapPos& sample);

    // Closes the open placemark, if any, and appends the closing lines. Call once, last.
    void Finish();

    // The samples Add left out so far.
    [[nodiscard]] std::size_t LeftOut() const { return leftOut_; }

private:
    std::string& out_;
    bool inSegment_ = false;
    int segmentNumber_ = 1;
    std::size_t leftOut_ = 0;
};

// The whole document for the trail's samples, oldest to newest; leftOut, when given, gets the
// number of samples left out.
[[nodiscard]] std::string TrailKml(const TrailBuffer& trail, std::size_t* leftOut = nullptr);

// Writes TrailKml(trail) to path atomically; on failure the error names the path and the old
// file is left as it was.
[[nodiscard]] platform::FileResult ExportTrailKml(const TrailBuffer& trail,
                                                  const std::string& path);

} // namespace trail
