#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "coords/CoordFormat.h"

// The Enter Coordinates dialog's logic without the widgets: its twelve field texts, how a
// position fills them, how they are read back and checked, which fields each format shows, and
// the format switch that carries a complete entry over. The dialog only copies texts between
// this and its controls.
namespace coords {

// The fields by control id; the ids are kept so that every table here reads like the dialog.
enum class EntryField : int {
    LonDegrees = 1006,    // whole degrees, Dms and Dm
    LonMinutes = 1007,    // whole minutes, Dms
    LonSeconds = 1008,    // seconds, Dms
    LonDecMinutes = 1017, // decimal minutes, Dm
    LonDecDegrees = 1023, // decimal degrees, Deg
    LonHemisphere = 1010, // "E" or "W", every format
    LatDegrees = 1011,
    LatMinutes = 1012,
    LatSeconds = 1013,
    LatDecMinutes = 1018,
    LatDecDegrees = 1022,
    LatHemisphere = 1014, // "N" or "S", every format
};

// All twelve: the longitude row, then the latitude row.
inline constexpr std::array<EntryField, 12> kEntryFields = {
    EntryField::LonDegrees,    EntryField::LonMinutes,    EntryField::LonSeconds,
    EntryField::LonDecMinutes, EntryField::LonDecDegrees, EntryField::LonHemisphere,
    EntryField::LatDegrees,    EntryField::LatMinutes,    EntryField::LatSeconds,
    EntryField::LatDecMinutes, EntryField::LatDecDegrees, EntryField::LatHemisphere,
};

[[nodiscard]] constexpr bool IsHemisphere(EntryField field) {
    return field == EntryField::LonHemisphere || field == EntryField::LatHemisphere;
}

// How a field is typed in: at most maxLength characters (0: no limit), digits only or free text,
// right-aligned or not. The hemisphere lists are choices, not typed.
struct FieldTyping {
    int maxLength = 0;
    bool digitsOnly = false;
    bool rightAligned = false;
};
FieldTyping TypingOf(EntryField field);

// Whether the field is shown in the format. Dms: degrees, minutes, seconds; Dm: degrees and
// decimal minutes; Deg: decimal degrees; the hemisphere lists in these three. Utm and Mgrs show
// none of them: they are typed as one text (the grid text).
bool IsFieldShown(EntryField field, CoordFormat format);

// What the entry reads: one of the formats, or the easting and northing of the map's named grid.
struct EntryMode {
    CoordFormat format = CoordFormat::Dms;
    bool namedGrid = false; // the named grid, whatever format says

    [[nodiscard]] bool TypedAsOneText() const {
        return namedGrid || format == CoordFormat::Utm || format == CoordFormat::Mgrs;
    }
};

struct EntryResult {
    bool complete = false;  // both rows hold a valid position in the format that was read
    double latitude = 0.0;  // signed: south negative
    double longitude = 0.0; // signed: west negative
};

class CoordEntry {
public:
    // Writes all twelve texts whatever the format, from the absolute values:
    //   whole degrees "%03d" (longitude) / "%02d" (latitude), whole minutes "%02d", seconds
    //   "%.3f", decimal minutes "%.7f", decimal degrees "%.10f", hemispheres "W"/"E", "S"/"N".
    // A last field that rounds to 60 is carried, so every filled text is in range: 1.2 fills
    // 1, 12, 0.000 and 12.0000000. A non-finite value fills as 0.
    void FillFields(double latitude, double longitude);

    // Reads the texts in `format` and records the check of every one of the ten edit fields in
    // the valid map, whatever the format. Whole degrees and minutes: leading blanks, an optional
    // sign, then digits; reading stops at the first other character ("12ab" is 12, "-1" is out
    // of range). Decimal fields: only digits and points allowed, reading stops at a second
    // point ("45.5.5" is 45.5; "1e5", "", "." and " 1" are out of range). Ranges: latitude
    // degrees 0..90, longitude degrees 0..180, whole minutes 0..59, seconds and decimal minutes
    // [0, 60). A row is complete when the fields of `format` are valid and the joined value
    // stays within 90 (latitude) or 180 (longitude); beyond that (90 degrees 30 minutes) the
    // row's fields of the format are marked out of range too.
    EntryResult ParseFields(CoordFormat format);

    // The format buttons: when the entry is complete in `from`, the fields are refilled from its
    // position so the fields of `to` show the same place; otherwise every text stays as it was.
    // The valid map is then brought up to date for `to`. Returns whether the entry carried over.
    bool SwitchFormat(CoordFormat from, CoordFormat to);

    // ---- Datums and grids. The twelve fields and UTM/MGRS are typed on a datum (WGS 84 unless
    // set); the named grid's numbers are on the grid's own datum. Positions given to Fill and
    // returned by Read are WGS 84. With WGS 84 as the datum no conversion is made, so the fields
    // fill and read exactly as FillFields and ParseFields.

    // A geographic CRS as map::DatumCrs gives it ("EPSG:4230").
    void SetDatum(std::string datumCrs) { datum_ = std::move(datumCrs); }
    [[nodiscard]] const std::string& Datum() const { return datum_; }
    // The map's named grid, any CRS PROJ knows ("EPSG:2056"); empty for none.
    void SetGridCrs(std::string gridCrs) { gridCrs_ = std::move(gridCrs); }
    [[nodiscard]] const std::string& GridCrs() const { return gridCrs_; }

    // The one text of UTM ("32T 500000 4982950"), MGRS ("32T LR 00000 82950") and the named
    // grid ("2600000 1200000", easting then northing).
    [[nodiscard]] const std::string& GridText() const { return gridText_; }
    void SetGridText(std::string_view text) { gridText_.assign(text); }
    // Outcome of the last Read of the grid text; valid before any.
    [[nodiscard]] bool GridTextValid() const { return gridTextValid_; }

    // Fills the twelve fields from the position on the datum, and the grid text in mode's grid
    // (left as it was for the three field formats, or when the position has no UTM). A position
    // the datum cannot take fills as it is; (0, 0), no position, fills zeros and no grid text.
    void Fill(const MapPos& wgs84, EntryMode mode);
    // The texts of mode as a WGS 84 position; nothing, with *error one line to show, when they
    // hold none. The fields' checks are recorded as ParseFields records them.
    std::optional<MapPos> Read(EntryMode mode, std::string* error);
    // The format buttons over every mode: when the entry reads in `from`, every text is filled
    // again from its position so `to` shows the same place; otherwise the texts stay. The checks
    // are then brought up to date for `to`. Returns whether the entry carried over.
    bool Switch(EntryMode from, EntryMode to);

    [[nodiscard]] const std::string& Text(EntryField field) const;
    void SetText(EntryField field, std::string_view text);
    // Outcome of the last check of the field; a field never checked counts as valid.
    [[nodiscard]] bool IsValid(EntryField field) const;

private:
    struct RowFields {
        EntryField degrees, minutes, seconds, decMinutes, decDegrees, hemisphere;
        double limit;
        std::string_view negative;
    };
    bool ParseRow(const RowFields& row, CoordFormat format, double& value);

    std::array<std::string, kEntryFields.size()> texts_{};
    std::map<EntryField, bool> fieldValid_;
    std::string datum_;
    std::string gridCrs_;
    std::string gridText_;
    bool gridTextValid_ = true;
};

} // namespace coords
