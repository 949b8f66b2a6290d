#include "points/PointsKml.h"

#include "xml/KmlWriter.h"

namespace points {

std::string PointsKmlDocument(const MapPointList& points, std::size_t* leftOut) {
    std::string out;
    xml::AppendKmlDocumentStart(out);
    xml::AppendKmlFolderStart(out, kPointsKmlFolderName);
    std::size_t skipped = 0;
    for (const CMapPoint& point : points) {
        if (!xml::IsKmlPosition(point.GetPosition().x, point.GetPosition().y)) {
            ++skipped;
            continue;
        }
        out += "  <Placemark>\n    <name>";
        xml::AppendXmlEscaped(out, point.GetName());
        out += "</name>\n    <description>";
        xml::AppendXmlEscaped(out, point.GetDescription());
        out += "</description>\n    <Point><coordinates>";
        xml::AppendKmlCoordinates(out, point.GetPosition().x, point.GetPosition().y);
        out += "</coordinates></Point>\n  </Placemark>\n";
    }
    xml::AppendKmlDocumentEnd(out);
    if (leftOut != nullptr)
        *leftOut = skipped;
    return out;
}

platform::FileResult WritePointsKml(const std::string& path, const MapPointList& points,
                                    std::size_t* leftOut) {
    return platform::WriteFileAtomically(path, PointsKmlDocument(points, leftOut));
}

} // namespace points
