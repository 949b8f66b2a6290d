#include "xml/GpxWriter.h"

#include <algorithm>
#include <cmath>

#include "base/Number.h"
#include "base/Time.h"
#include "xml/GpxReader.h"
#include "xml/KmlWriter.h"

namespace xml {

namespace {

constexpr double kMaxHeightM = 1e6;
constexpr double kMaxSpeedMps = 1e5;
constexpr double kMetresPerSecondPerKnot = 1852.0 / 3600.0;

// The shortest exact text, unless it has more digits than xmllint takes for an xsd:decimal
// (only values within about 1e-7 of 0 do): those are rounded to 17 decimals.
void AppendDecimal(std::string& out, double value) {
    constexpr std::size_t kMostDigits = 24;
    std::string text = base::FormatShortestFixed(value);
    const auto digits = static_cast<std::size_t>(
        std::ranges::count_if(text, [](char c) { return c >= '0' && c <= '9'; }));
    if (digits > kMostDigits) {
        text = base::FormatFixed(value, 17);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    out += text;
}

// Escaped character data; a reader turns a raw CR into LF, so it is written as a reference
// that reads back as it was.
void AppendText(std::string& out, std::string_view text) {
    std::string escaped = XmlEscaped(text);
    for (auto at = escaped.find('\r'); at != std::string::npos; at = escaped.find('\r', at))
        escaped.replace(at, 1, "&#13;");
    out += escaped;
}

void AppendElement(std::string& out, std::string_view tag, double value) {
    out += '<';
    out += tag;
    out += '>';
    AppendDecimal(out, value);
    out += "</";
    out += tag;
    out += '>';
}

// A <wpt> or an <rtept>.
void AppendPoint(std::string& out, std::string_view tag, std::string_view indent,
                 const GpxWaypoint& point, GpxLeftOut& leftOut) {
    if (!IsGpxPosition(point.position)) {
        ++leftOut.points;
        return;
    }
    out += indent;
    out += '<';
    out += tag;
    AppendGpxLatLon(out, point.position);
    out += ">\n";
    if (point.heightM) {
        if (IsGpxHeight(*point.heightM)) {
            out += indent;
            out += "  ";
            AppendElement(out, "ele", *point.heightM);
            out += '\n';
        } else {
            ++leftOut.values;
        }
    }
    // The schema's order: ele, name, desc, sym.
    const std::pair<std::string_view, const std::string&> children[] = {
        {"name", point.name}, {"desc", point.description}, {"sym", point.symbol}};
    for (const auto& [child, text] : children) {
        if (text.empty())
            continue;
        out += indent;
        out += "  <";
        out += child;
        out += '>';
        AppendText(out, text);
        out += "</";
        out += child;
        out += ">\n";
    }
    out += indent;
    out += "</";
    out += tag;
    out += ">\n";
}

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

} // namespace

GpxLeftOut& GpxLeftOut::operator+=(const GpxLeftOut& other) {
    points += other.points;
    values += other.values;
    return *this;
}

std::string GpxLeftOutText(const GpxLeftOut& leftOut) {
    std::string text;
    if (leftOut.points != 0)
        text = Counted(leftOut.points, "point whose position is", "points whose position is") +
               " off the globe";
    if (leftOut.values != 0) {
        text += text.empty() ? "" : " and ";
        text += Counted(leftOut.values, "value", "values") +
                " no receiver measures (a height, time, speed or course)";
    }
    return text.empty() ? text : "left out " + text;
}

void AppendGpxDocumentStart(std::string& out) {
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"QUILO\" "
           "xmlns=\"";
    out += kGpxNamespace;
    out += "\" xmlns:gpxtpx=\"";
    out += kGpxTrackPointExtension;
    out += "\">\n";
}

void AppendGpxDocumentEnd(std::string& out) {
    out += "</gpx>\n";
}

bool IsGpxPosition(const MapPos& position) {
    return std::isfinite(position.y) && std::isfinite(position.x) && std::abs(position.y) <= 90.0 &&
           std::abs(position.x) <= 180.0;
}

bool IsGpxHeight(double heightM) {
    return std::isfinite(heightM) && std::abs(heightM) <= kMaxHeightM;
}

void AppendGpxLatLon(std::string& out, const MapPos& position) {
    out += " lat=\"";
    AppendDecimal(out, position.y);
    out += "\" lon=\"";
    // The schema's longitude stops short of 180; -180 is the same meridian.
    AppendDecimal(out, position.x == 180.0 ? -180.0 : position.x);
    out += '"';
}

void AppendGpxWaypoint(std::string& out, const GpxWaypoint& waypoint, GpxLeftOut* leftOut) {
    GpxLeftOut here;
    AppendPoint(out, "wpt", "", waypoint, here);
    if (leftOut != nullptr)
        *leftOut += here;
}

void AppendGpxRoute(std::string& out, const GpxRoute& route, GpxLeftOut* leftOut) {
    GpxLeftOut here;
    out += "<rte>\n";
    if (!route.name.empty()) {
        out += "  <name>";
        AppendText(out, route.name);
        out += "</name>\n";
    }
    for (const GpxWaypoint& point : route.points)
        AppendPoint(out, "rtept", "  ", point, here);
    out += "</rte>\n";
    if (leftOut != nullptr)
        *leftOut += here;
}

GpxTrackWriter::GpxTrackWriter(std::string& out, std::string_view name) : out_(out) {
    out_ += "<trk>\n  <name>";
    AppendText(out_, name);
    out_ += "</name>\n";
}

void GpxTrackWriter::Add(const TrackPoint& point) {
    if (!IsGpxPosition(point.position)) {
        ++leftOut_.points;
        return;
    }
    if (!inSegment_) {
        out_ += "  <trkseg>\n";
        inSegment_ = true;
    }
    out_ += "    <trkpt";
    AppendGpxLatLon(out_, point.position);
    // NaN is unknown; a number beyond what anything measures is a glitch, left out and counted.
    const auto keep = [this](bool known, bool plausible) {
        leftOut_.values += known && !plausible ? 1 : 0;
        return known && plausible;
    };
    const bool hasHeight = keep(!std::isnan(point.heightM), IsGpxHeight(point.heightM));
    const bool hasTime = keep(point.utcMs != 0, base::IsFourDigitYear(point.utcMs));
    const double speedMps = point.speedKnots * kMetresPerSecondPerKnot;
    const bool hasSpeed = keep(!std::isnan(speedMps), speedMps >= 0 && speedMps <= kMaxSpeedMps);
    const bool hasCourse =
        keep(!std::isnan(point.courseDeg), point.courseDeg >= 0 && point.courseDeg <= 360);
    if (!hasHeight && !hasTime && !hasSpeed && !hasCourse) {
        out_ += "/>\n";
        return;
    }
    out_ += '>';
    if (hasHeight)
        AppendElement(out_, "ele", point.heightM);
    if (hasTime) {
        out_ += "<time>";
        base::AppendIso8601(out_, point.utcMs);
        out_ += "</time>";
    }
    if (hasSpeed || hasCourse) {
        out_ += "<extensions><gpxtpx:TrackPointExtension>";
        if (hasSpeed)
            AppendElement(out_, "gpxtpx:speed", speedMps);
        if (hasCourse)
            AppendElement(out_, "gpxtpx:course", point.courseDeg == 360 ? 0.0 : point.courseDeg);
        out_ += "</gpxtpx:TrackPointExtension></extensions>";
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

std::string GpxTrackDocument(const Track& track, GpxLeftOut* leftOut) {
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
    if (leftOut != nullptr)
        *leftOut = writer.LeftOut();
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

std::string GpxContentsDocument(const GpxContents& contents, GpxLeftOut* leftOut) {
    GpxLeftOut counted;
    std::string out;
    AppendGpxDocumentStart(out);
    for (const GpxWaypoint& waypoint : contents.waypoints)
        AppendGpxWaypoint(out, waypoint, &counted);
    for (const GpxRoute& route : contents.routes)
        AppendGpxRoute(out, route, &counted);
    auto segment = contents.track.begin();
    for (const GpxTrack& track : contents.tracks) {
        GpxTrackWriter writer(out, track.name);
        for (std::size_t i = 0; i < track.segments && segment != contents.track.end();
             ++i, ++segment) {
            for (const TrackPoint& point : *segment)
                writer.Add(point);
            writer.EndSegment();
        }
        writer.Finish();
        counted += writer.LeftOut();
    }
    AppendGpxDocumentEnd(out);
    if (leftOut != nullptr)
        *leftOut = counted;
    return out;
}

} // namespace xml
