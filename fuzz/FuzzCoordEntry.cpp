// One input is either what a user typed into the Enter Coordinates fields (the texts separated
// by line feeds), or two raw doubles to fill the fields from, or one position typed as one text.
// A complete entry is a position in range; the fields filled from it obey the typing limits,
// read back as the same position in every format, and carry over on a format switch. A text
// that reads is a position in range whose UTM and MGRS texts read back to within 2 metres.
#include "FuzzCheck.h"
#include "coords/CoordEntry.h"
#include "coords/CoordFormat.h"
#include "coords/Mgrs.h"
#include "coords/PositionText.h"
#include "coords/Utm.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using coords::CoordEntry;
using coords::CoordFormat;
using fuzz::Check;

constexpr std::array<CoordFormat, 3> kFormats = {CoordFormat::Dms, CoordFormat::Dm,
                                                 CoordFormat::Deg};

// What the dialog lets a user type: a filled text must fit the same limits.
void CheckTyping(const CoordEntry& entry) {
    for (const auto field : coords::kEntryFields) {
        const std::string& text = entry.Text(field);
        if (coords::IsHemisphere(field)) {
            Check(text.size() == 1);
            continue;
        }
        const auto typing = coords::TypingOf(field);
        Check(typing.maxLength == 0 || text.size() <= static_cast<std::size_t>(typing.maxLength));
        if (typing.digitsOnly)
            Check(!text.empty() && text.find_first_not_of("0123456789") == std::string::npos);
    }
}

// Fills from a position in range and checks that every format reads it back.
void CheckFilled(double latitude, double longitude) {
    CoordEntry entry;
    entry.FillFields(latitude, longitude);
    CheckTyping(entry);
    for (const auto format : kFormats) {
        const auto read = entry.ParseFields(format);
        Check(read.complete);
        // The coarsest text is seconds with three decimals: 0.0005" is 1.4e-7 degree.
        Check(std::fabs(read.latitude - latitude) <= 2e-7);
        Check(std::fabs(read.longitude - longitude) <= 2e-7);
        for (const auto field : coords::kEntryFields)
            Check(entry.IsValid(field));
    }
}

// Ground distance between two nearby positions, metres (plenty for a bound of 2).
double Metres(const MapPos& a, const MapPos& b) {
    // 180 and -180 are one meridian: a grid text read back may land on either side.
    const double dx = std::remainder(a.x - b.x, 360.0) * std::cos(a.y * 0.017453292519943295);
    return std::hypot(dx, a.y - b.y) * 111320.0;
}

void CheckText(std::string_view text, bool ed50) {
    const auto position = coords::ParsePosition(text, ed50 ? "EPSG:4230" : map::kWgs84, nullptr);
    if (!position)
        return;
    Check(std::isfinite(position->y) && std::isfinite(position->x));
    // A datum shift may carry a typed 180 degrees a hair beyond.
    Check(std::fabs(position->y) <= 90.0 && std::fabs(position->x) <= 180.01);
    for (const std::string& grid : {coords::FormatUtm(*position), coords::FormatMgrs(*position)}) {
        if (grid.empty())
            continue;
        const auto back = coords::ParsePosition(grid, map::kWgs84, nullptr);
        Check(back && Metres(*back, *position) < 2.0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const unsigned control = fuzz::TakeByte(input);
    const CoordFormat format = kFormats[control % 3];

    if ((control & 0xC0) == 0x40) {
        CheckText(input, control & 1);
        // The same text as easting and northing of a national grid.
        if (const auto grid = coords::ParseGridPosition(input, "EPSG:2056", nullptr))
            Check(std::isfinite(grid->y) && std::isfinite(grid->x));
        return 0;
    }

    if (control & 0x80) {
        // Raw doubles: any value fills without harm; one in range fills a complete entry.
        double latitude = 0.0;
        double longitude = 0.0;
        if (input.size() >= 16) {
            std::memcpy(&latitude, input.data(), 8);
            std::memcpy(&longitude, input.data() + 8, 8);
        }
        CoordEntry entry;
        entry.FillFields(latitude, longitude);
        for (const auto f : kFormats)
            (void)entry.ParseFields(f);
        if (std::isfinite(latitude) && std::isfinite(longitude) && std::fabs(latitude) <= 90 &&
            std::fabs(longitude) <= 180)
            CheckFilled(latitude, longitude);
        return 0;
    }

    CoordEntry entry;
    for (const auto field : coords::kEntryFields) {
        const auto end = input.find('\n');
        entry.SetText(field, input.substr(0, end));
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    const auto read = entry.ParseFields(format);
    if (!read.complete)
        return 0;
    Check(std::isfinite(read.latitude) && std::isfinite(read.longitude));
    Check(std::fabs(read.latitude) <= 90 && std::fabs(read.longitude) <= 180);
    CheckFilled(read.latitude, read.longitude);

    // The format buttons carry a complete entry over to the same place.
    const CoordFormat to = kFormats[(control >> 2) % 3];
    Check(entry.SwitchFormat(format, to));
    const auto switched = entry.ParseFields(to);
    Check(switched.complete);
    Check(std::fabs(switched.latitude - read.latitude) <= 2e-7);
    Check(std::fabs(switched.longitude - read.longitude) <= 2e-7);
    return 0;
}
