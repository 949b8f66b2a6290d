// One input is a points file. Either it is refused, leaving the list as it was, or its points
// replace the list; then every text is well-formed UTF-8, the list writes back to a file that
// reads as the same points (bit for bit) and writes the same bytes again, and its KML document
// holds no raw markup from the texts and a placemark for every point it does not count as left
// out.
#include "FuzzCheck.h"
#include "points/PointsFile.h"
#include "points/PointsKml.h"
#include "support/Utf8Oracle.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::Check;

bool SamePoint(const CMapPoint& a, const CMapPoint& b) {
    return a.GetName() == b.GetName() && a.GetDescription() == b.GetDescription() &&
           fuzz::SameBits(a.GetPosition(), b.GetPosition()) && a.GetSymbol() == b.GetSymbol() &&
           a.GetLineColour() == b.GetLineColour() && a.GetFillColour() == b.GetFillColour() &&
           a.GetSize() == b.GetSize();
}

bool SameList(const points::MapPointList& a, const points::MapPointList& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!SamePoint(a[i], b[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const points::MapPointList before = {
        CMapPoint("Home", MapPos(-0.0014, 51.4778), 2, 2, 4, 2, ""),
        CMapPoint("Caf\xC3\xA9 1", MapPos(151.2093, -33.8688), -1, -1, -1, -1, "view"),
    };
    points::MapPointList list = before;
    const auto result = points::DecodePoints(bytes, list);
    if (!result) {
        Check(result.status == platform::LoadStatus::Damaged);
        Check(!result.error.empty());
        Check(SameList(list, before));
        return 0;
    }
    Check(result.error.empty());
    for (const CMapPoint& point : list)
        Check(oracle::IsWellFormedUtf8(point.GetName()) &&
              oracle::IsWellFormedUtf8(point.GetDescription()));

    const std::string written = points::EncodePoints(list);
    points::MapPointList reread = before;
    Check(static_cast<bool>(points::DecodePoints(written, reread)));
    Check(SameList(reread, list));
    Check(points::EncodePoints(reread) == written);

    // Positions a KML reader would refuse are left out, and counted.
    std::size_t leftOut = 0;
    const std::string kml = points::PointsKmlDocument(list, &leftOut);
    std::size_t opened = 0;
    for (auto at = kml.find("<Placemark>"); at != std::string::npos;
         at = kml.find("<Placemark>", at + 1))
        ++opened;
    Check(opened + leftOut == list.size());
    return 0;
}
