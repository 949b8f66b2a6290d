#include "trail/GpxWriter.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "base/Number.h"
#include "trail/GpxReader.h"
#include "trail/KmlWriter.h"

namespace trail {

void AppendGpxDocumentStart(std::string& out) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"QUILO\" "
           "xmlns=\"";
    out += kGpxNamespace;
    out += "\">\n";
}

void AppendGpxDocumentEnd(std::string& out) {
    out += "</gpx>\n";
}

bool IsGpxPosition(const MapPos& position) {
    return std::isfinite(position.y) && std::isfinite(position.x) && std::abs(position.y) <= 90.0 &&
           std::abs(position.x) <= 180.0;
}

void AppendGpxLatLon(std::string& out, const MapPos& position) {
    out += " lat=\"";
    out += base::FormatShortestFixed(position.y);
    out += "\" lon=\"";
    // The schema's longitude stops short of 180; -180 is the same meridian.
    out += base::FormatShortestFixed(position.x == 180.0 ? -180.0 : position.x);
    out += '"';
}

bool IsGpxTime(std::int64_t utcMs) {
    // 0001-01-01T00:00:00Z to 9999-12-31T23:59:59.999Z: four-digit years, as everyone reads them.
    return utcMs >= -62135596800000 && utcMs <= 253402300799999;
}

void AppendGpxTime(std::string& out, std::int64_t utcMs) {
    using namespace std::chrono;
    const sys_time<milliseconds> when{milliseconds{utcMs}};
    const sys_days day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> time{when - day};
    base::AppendPadded(out, static_cast<int>(date.year()), 4);
    out += '-';
    base::AppendPadded(out, static_cast<unsigned>(date.month()), 2);
    out += '-';
    base::AppendPadded(out, static_cast<unsigned>(date.day()), 2);
    out += 'T';
    base::AppendPadded(out, time.hours().count(), 2);
    out += ':';
    base::AppendPadded(out, time.minutes().count(), 2);
    out += ':';
    base::AppendPadded(out, time.seconds().count(), 2);
    if (time.subseconds().count() != 0) {
        out += '.';
        base::AppendPadded(out, time.subseconds().count(), 3);
    }
    out += 'Z';
}

void AppendGpxWaypoint(std::string& out, const GpxWaypoint& waypoint) {
    if (!IsGpxPosition(waypoint.position))
        return;
    out += "<wpt";
    AppendGpxLatLon(out, waypoint.position);
    out += ">\n";
    // The schema's order: name, desc, sym.
    const std::pair<std::string_view, const std::string&> children[] = {
        {"name", waypoint.name}, {"desc", waypoint.description}, {"sym", waypoint.symbol}};
    for (const auto& [tag, text] : children) {
        if (text.empty())
            continue;
        out += "  <";
        out += tag;
        out += '>';
        // A reader turns a raw CR into LF; written as a reference it reads back as it was.
        std::string escaped = XmlEscaped(text);
        for (auto at = escaped.find('\r'); at != std::string::npos; at = escaped.find('\r', at))
            escaped.replace(at, 1, "&#13;");
        out += escaped;
        out += "</";
        out += tag;
        out += ">\n";
    }
    out += "</wpt>\n";
}

GpxTrackWriter::GpxTrackWriter(std::string& out, std::string_view name) : out_(out) {
    out_ += "<trk>\n  <name>";
    AppendXmlEscaped(out_, name);
    out_ += "</name>\n";
}

void GpxTrackWriter::Add(const TrackPoint& point) {
    if (!IsGpxPosition(point.position))
        return;
    if (!inSegment_) {
        out_ += "  <trkseg>\n";
        inSegment_ = true;
    }
    out_ += "    <trkpt";
    AppendGpxLatLon(out_, point.position);
    const bool hasHeight = std::isfinite(point.heightM);
    const bool hasTime = point.utcMs != 0 && IsGpxTime(point.utcMs);
    if (!hasHeight && !hasTime) {
        out_ += "/>\n";
        return;
    }
    out_ += '>';
    if (hasHeight) {
        out_ += "<ele>";
        out_ += base::FormatShortestFixed(point.heightM);
        out_ += "</ele>";
    }
    if (hasTime) {
        out_ += "<time>";
        AppendGpxTime(out_, point.utcMs);
        out_ += "</time>";
    }
    out_ += "</trkpt>\n";
}

void GpxTrackWriter::EndSegment() {
    if (inSegment_)
        out_ += "  </trkseg>\n";
    inSegment_ = false;
}

void GpxTrackWriter::Finish() {
    EndSegment();
    out_ += "</trk>\n";
}

std::string GpxTrackDocument(const Track& track) {
    std::string out;
    AppendGpxDocumentStart(out);
    GpxTrackWriter writer(out, kGpxTrackName);
    for (const TrackSegment& segment : track) {
        for (const TrackPoint& point : segment)
            writer.Add(point);
        writer.EndSegment();
    }
    writer.Finish();
    AppendGpxDocumentEnd(out);
    return out;
}

std::string GpxDocument(const std::vector<GpxWaypoint>& waypoints, const Track& track) {
    std::string out;
    AppendGpxDocumentStart(out);
    for (const GpxWaypoint& waypoint : waypoints)
        AppendGpxWaypoint(out, waypoint);
    if (std::ranges::any_of(track, [](const TrackSegment& s) { return !s.empty(); })) {
        GpxTrackWriter writer(out, kGpxTrackName);
        for (const TrackSegment& segment : track) {
            for (const TrackPoint& point : segment)
                writer.Add(point);
            writer.EndSegment();
        }
        writer.Finish();
    }
    AppendGpxDocumentEnd(out);
    return out;
}

std::string TrailGpx(const TrailBuffer& trail) {
    std::string out;
    AppendGpxDocumentStart(out);
    GpxTrackWriter writer(out, kGpxTrackName);
    for (const MapPos& sample : trail.OldestToNewest()) {
        if (sample.IsSet())
            writer.Add(TrackPoint{sample});
        else
            writer.EndSegment();
    }
    writer.Finish();
    AppendGpxDocumentEnd(out);
    return out;
}

platform::FileResult ExportTrailGpx(const TrailBuffer& trail, const std::string& path) {
    return platform::WriteFileAtomically(path, TrailGpx(trail));
}

} // namespace trail
