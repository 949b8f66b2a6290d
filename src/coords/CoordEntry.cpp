#include "coords/CoordEntry.h"

#include "base/Number.h"
#include "coords/Mgrs.h"
#include "coords/PositionText.h"
#include "coords/Utm.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace coords {

namespace {

std::size_t IndexOf(EntryField field) {
    const auto it = std::find(kEntryFields.begin(), kEntryFields.end(), field);
    return static_cast<std::size_t>(it - kEntryFields.begin());
}

// Whole degrees and minutes are read by the "%d" rule; values too large for any range are held
// here and reported as out of range instead of wrapping around.
constexpr std::int64_t kWholeLimit = std::int64_t{1} << 40;

// Decimal fields: only digits and points are allowed, reading stops at a second point.
std::optional<double> ReadDecimal(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos)
        return std::nullopt;
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    (void)end;
    if (ec != std::errc{})
        return std::nullopt;
    return value;
}

double Finite(double value) {
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

FieldTyping TypingOf(EntryField field) {
    switch (field) {
    case EntryField::LonDegrees:
        return {3, true, true};
    case EntryField::LonMinutes:
        return {0, true, false}; // no limit: an over-long entry is simply out of range
    case EntryField::LonSeconds:
    case EntryField::LatSeconds:
        return {6, false, true};
    case EntryField::LonDecMinutes:
    case EntryField::LatDecMinutes:
        return {12, false, false};
    case EntryField::LonDecDegrees:
        return {14, false, false};
    case EntryField::LatDegrees:
    case EntryField::LatMinutes:
        return {2, true, true};
    case EntryField::LatDecDegrees:
        return {13, false, false};
    case EntryField::LonHemisphere:
    case EntryField::LatHemisphere:
        break;
    }
    return {1, false, false};
}

bool IsFieldShown(EntryField field, CoordFormat format) {
    switch (field) {
    case EntryField::LonHemisphere:
    case EntryField::LatHemisphere:
        return format == CoordFormat::Dms || format == CoordFormat::Dm ||
               format == CoordFormat::Deg;
    case EntryField::LonDegrees:
    case EntryField::LatDegrees:
        return format == CoordFormat::Dms || format == CoordFormat::Dm;
    case EntryField::LonMinutes:
    case EntryField::LatMinutes:
    case EntryField::LonSeconds:
    case EntryField::LatSeconds:
        return format == CoordFormat::Dms;
    case EntryField::LonDecMinutes:
    case EntryField::LatDecMinutes:
        return format == CoordFormat::Dm;
    case EntryField::LonDecDegrees:
    case EntryField::LatDecDegrees:
        return format == CoordFormat::Deg;
    }
    return false;
}

const std::string& CoordEntry::Text(EntryField field) const {
    static const std::string kNone;
    const std::size_t index = IndexOf(field);
    return index < texts_.size() ? texts_[index] : kNone;
}

void CoordEntry::SetText(EntryField field, std::string_view text) {
    const std::size_t index = IndexOf(field);
    if (index < texts_.size())
        texts_[index].assign(text);
}

bool CoordEntry::IsValid(EntryField field) const {
    const auto it = fieldValid_.find(field);
    return it == fieldValid_.end() || it->second;
}

void CoordEntry::FillFields(double latitude, double longitude) {
    latitude = Finite(latitude);
    longitude = Finite(longitude);
    const struct {
        double angle;
        int degreeWidth;
        EntryField degrees, minutes, seconds, decMinutes, decDegrees, hemisphere;
        const char *negative, *positive;
    } rows[] = {
        {longitude, 3, EntryField::LonDegrees, EntryField::LonMinutes, EntryField::LonSeconds,
         EntryField::LonDecMinutes, EntryField::LonDecDegrees, EntryField::LonHemisphere, "W", "E"},
        {latitude, 2, EntryField::LatDegrees, EntryField::LatMinutes, EntryField::LatSeconds,
         EntryField::LatDecMinutes, EntryField::LatDecDegrees, EntryField::LatHemisphere, "S", "N"},
    };
    for (const auto& row : rows) {
        // Rounded as shown, with a rounded 60 carried: the filled texts are always in range.
        const DmsParts dms = SplitDmsRounded(row.angle, 3);
        const DmParts dm = SplitDmRounded(row.angle, 7);
        SetText(row.degrees, FormatPadded(dms.degrees, row.degreeWidth));
        SetText(row.minutes, FormatPadded(dms.minutes, 2));
        SetText(row.seconds, FormatFixed(dms.seconds, 3));
        // Dm shares the degree field with Dms. Seconds at 3 decimals carry sooner than
        // minutes at 7 (within 0.0005" of a whole degree, 51.9999999 say): the field then
        // shows the carried degrees, and the decimal minutes must count from them, not add a
        // degree's worth of 59.99999 minutes on top.
        const double minutes = dms.degrees != dm.degrees ? 0.0 : dm.minutes;
        SetText(row.decMinutes, FormatFixed(minutes, 7));
        SetText(row.decDegrees, FormatFixed(std::min(std::fabs(row.angle), 1e9), 10));
        SetText(row.hemisphere, row.angle < 0.0 ? row.negative : row.positive);
    }
}

bool CoordEntry::ParseRow(const RowFields& row, CoordFormat format, double& value) {
    const auto whole = [&](EntryField field, std::int64_t max) -> std::optional<std::int32_t> {
        const auto v = base::ScanIntClamped(Text(field), kWholeLimit);
        const bool ok = v && *v >= 0 && *v <= max;
        fieldValid_[field] = ok;
        return ok ? std::optional<std::int32_t>(static_cast<std::int32_t>(*v)) : std::nullopt;
    };
    const auto decimal = [&](EntryField field, double max,
                             bool maxIncluded) -> std::optional<double> {
        const auto v = ReadDecimal(Text(field));
        const bool ok = v && *v >= 0.0 && (maxIncluded ? *v <= max : *v < max);
        fieldValid_[field] = ok;
        return ok ? v : std::nullopt;
    };
    const auto degrees = whole(row.degrees, static_cast<std::int64_t>(row.limit));
    const auto minutes = whole(row.minutes, 59);
    const auto seconds = decimal(row.seconds, 60.0, false);
    const auto decMinutes = decimal(row.decMinutes, 60.0, false);
    const auto decDegrees = decimal(row.decDegrees, row.limit, true);

    bool complete = false;
    switch (format) {
    case CoordFormat::Dms:
        complete = degrees && minutes && seconds;
        if (complete)
            value = DmsToDegrees(*degrees, *minutes, *seconds);
        break;
    case CoordFormat::Dm:
        complete = degrees && decMinutes;
        if (complete)
            value = DmToDegrees(*degrees, *decMinutes);
        break;
    case CoordFormat::Deg:
        complete = decDegrees.has_value();
        if (complete)
            value = *decDegrees;
        break;
    case CoordFormat::Utm:
    case CoordFormat::Mgrs:
        break; // typed as one text, never in these fields
    }
    // Each field can be in range while the whole is not (90 degrees 30 minutes): no such
    // latitude exists, so the row's fields of the format turn red and OK stays refused.
    if (complete && value > row.limit) {
        for (EntryField field :
             {row.degrees, row.minutes, row.seconds, row.decMinutes, row.decDegrees}) {
            if (IsFieldShown(field, format))
                fieldValid_[field] = false;
        }
        complete = false;
    }
    if (complete && Text(row.hemisphere) == row.negative)
        value = -value;
    return complete;
}

EntryResult CoordEntry::ParseFields(CoordFormat format) {
    static constexpr RowFields kLatitude{EntryField::LatDegrees,
                                         EntryField::LatMinutes,
                                         EntryField::LatSeconds,
                                         EntryField::LatDecMinutes,
                                         EntryField::LatDecDegrees,
                                         EntryField::LatHemisphere,
                                         90.0,
                                         "S"};
    static constexpr RowFields kLongitude{EntryField::LonDegrees,
                                          EntryField::LonMinutes,
                                          EntryField::LonSeconds,
                                          EntryField::LonDecMinutes,
                                          EntryField::LonDecDegrees,
                                          EntryField::LonHemisphere,
                                          180.0,
                                          "W"};
    EntryResult result;
    const bool latitude = ParseRow(kLatitude, format, result.latitude);
    const bool longitude = ParseRow(kLongitude, format, result.longitude);
    result.complete = latitude && longitude;
    return result;
}

bool CoordEntry::SwitchFormat(CoordFormat from, CoordFormat to) {
    const EntryResult old = ParseFields(from);
    if (old.complete)
        FillFields(old.latitude, old.longitude);
    // Refilled or newly shown fields must not keep a colour from their previous text.
    ParseFields(to);
    return old.complete;
}

void CoordEntry::Fill(const MapPos& wgs84, EntryMode mode) {
    // (0, 0) is "no position yet": zeros in the fields, no grid text, on any datum.
    if (wgs84 == MapPos()) {
        FillFields(0.0, 0.0);
        return;
    }
    MapPos onDatum = wgs84;
    if (!IsWgs84(datum_)) {
        const auto transform = CachedTransform(datum_, map::kWgs84, nullptr);
        if (!transform || !transform->Inverse(onDatum))
            onDatum = wgs84;
    }
    FillFields(onDatum.y, onDatum.x);
    std::string grid;
    if (mode.namedGrid) {
        MapPos p = wgs84;
        const auto transform =
            gridCrs_.empty() ? nullptr : CachedTransform(map::kWgs84, gridCrs_, nullptr);
        if (transform && transform->Forward(p)) {
            // Metres to the centimetre; a grid in degrees to about a millimetre.
            const int decimals = std::fabs(p.x) > 360.0 || std::fabs(p.y) > 360.0 ? 2 : 8;
            grid = FormatFixed(p.x, decimals) + ' ' + FormatFixed(p.y, decimals);
        }
    } else if (mode.format == CoordFormat::Utm) {
        grid = FormatUtm(onDatum, datum_);
    } else if (mode.format == CoordFormat::Mgrs) {
        grid = FormatMgrs(onDatum, datum_);
    }
    if (!grid.empty())
        gridText_ = grid;
}

std::optional<MapPos> CoordEntry::Read(EntryMode mode, std::string* error) {
    std::string why;
    std::optional<MapPos> position;
    if (mode.namedGrid) {
        position = ParseGridPosition(gridText_, gridCrs_, &why);
        gridTextValid_ = position.has_value();
    } else if (mode.format == CoordFormat::Utm || mode.format == CoordFormat::Mgrs) {
        position = ParsePosition(gridText_, datum_, &why);
        gridTextValid_ = position.has_value();
    } else if (const EntryResult result = ParseFields(mode.format); !result.complete) {
        why = "Please enter valid coordinates";
    } else {
        MapPos p(result.longitude, result.latitude);
        const auto transform =
            IsWgs84(datum_) ? nullptr : CachedTransform(datum_, map::kWgs84, &why);
        if (IsWgs84(datum_) || (transform && transform->Forward(p)))
            position = p;
        else if (transform)
            why = "The position cannot be converted to WGS 84";
    }
    if (!position && error)
        *error = why;
    return position;
}

bool CoordEntry::Switch(EntryMode from, EntryMode to) {
    // Between the field formats the datum stays: no conversion there and back.
    if (!from.TypedAsOneText() && !to.TypedAsOneText())
        return SwitchFormat(from.format, to.format);
    const auto position = Read(from, nullptr);
    if (position)
        Fill(*position, to);
    (void)Read(to, nullptr);
    return position.has_value();
}

} // namespace coords
