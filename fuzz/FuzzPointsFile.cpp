// One input is a points file. Either it is refused, leaving the list as it was, or its points
// replace the list; then every text is well-formed UTF-8, the list writes back to a file that
// reads as the same points (bit for bit) and writes the same bytes again, and its KML document
// holds no raw markup from the texts.
#include "FuzzCheck.h"
#include "points/PointsFile.h"
#include "points/PointsKml.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::Check;

bool IsWellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t value = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            value = c & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (d & 0x3F);
        }
        if ((length == 3 && value < 0x800) ||
            (length == 4 && (value < 0x10000 || value > 0x10FFFF)))
            return false;
        if (value >= 0xD800 && value <= 0xDFFF)
            return false;
        i += length;
    }
    return true;
}

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
        Check(IsWellFormedUtf8(point.GetName()) && IsWellFormedUtf8(point.GetDescription()));

    const std::string written = points::EncodePoints(list);
    points::MapPointList reread = before;
    Check(static_cast<bool>(points::DecodePoints(written, reread)));
    Check(SameList(reread, list));
    Check(points::EncodePoints(reread) == written);

    const std::string kml = points::PointsKmlDocument(list);
    std::size_t opened = 0;
    for (auto at = kml.find("<Placemark>"); at != std::string::npos;
         at = kml.find("<Placemark>", at + 1))
        ++opened;
    Check(opened == list.size());
    return 0;
}
