#include "points/PointsKml.h"

#include "trail/KmlWriter.h"

namespace points {

std::string PointsKmlDocument(const MapPointList& points) {
    std::string out;
    trail::AppendKmlDocumentStart(out);
    trail::AppendKmlFolderStart(out, kPointsKmlFolderName);
    for (const CMapPoint& point : points) {
        out += "  <Placemark>\n    <name>";
        trail::AppendXmlEscaped(out, point.GetName());
        out += "</name>\n    <description>";
        trail::AppendXmlEscaped(out, point.GetDescription());
        out += "</description>\n    <Point><coordinates>";
        trail::AppendKmlCoordinates(out, point.GetPosition().x, point.GetPosition().y);
        out += "</coordinates></Point>\n  </Placemark>\n";
    }
    trail::AppendKmlDocumentEnd(out);
    return out;
}

platform::FileResult WritePointsKml(const std::string& path, const MapPointList& points) {
    return platform::WriteFileAtomically(path, PointsKmlDocument(points));
}

} // namespace points
