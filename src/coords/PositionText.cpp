#include "coords/PositionText.h"

#include "base/Number.h"
#include "coords/CoordFormat.h"
#include "coords/Mgrs.h"
#include "coords/Utm.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <vector>

namespace coords {

namespace {

enum class Mark { None, Degrees, Minutes, Seconds };

struct Token {
    enum Kind { Number, Word } kind = Number;
    std::string text; // the number as typed, or the word in upper case
    double value = 0.0;
    bool signedNumber = false;
    bool whole = true;     // no decimal point
    bool attached = false; // no separator before it
    Mark mark = Mark::None;
};

// What went wrong, for *error; the parse then gives nothing.
struct Failure {
    std::string reason;
};

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

// The marks users type for degrees, minutes and seconds, ASCII and typographic.
Mark MarkAt(std::string_view rest, std::size_t& length) {
    const struct {
        std::string_view text;
        Mark mark;
    } kMarks[] = {
        {"\xC2\xB0", Mark::Degrees},     // °
        {"\xC2\xBA", Mark::Degrees},     // º, on many keyboards in its place
        {"''", Mark::Seconds},           // two apostrophes
        {"'", Mark::Minutes},            //
        {"\xE2\x80\xB2", Mark::Minutes}, // ′
        {"\xE2\x80\x99", Mark::Minutes}, // ’, what word processors make of '
        {"\"", Mark::Seconds},           //
        {"\xE2\x80\xB3", Mark::Seconds}, // ″
        {"\xE2\x80\x9D", Mark::Seconds}, // ”
    };
    for (const auto& m : kMarks) {
        if (rest.substr(0, m.text.size()) == m.text) {
            length = m.text.size();
            return m.mark;
        }
    }
    length = 0;
    return Mark::None;
}

std::optional<std::vector<Token>> Tokenise(std::string_view text, Failure& failure) {
    std::vector<Token> tokens;
    bool separated = true;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        if (c == ' ' || c == '\t' || c == ',' || c == ';' || c == '\r' || c == '\n') {
            separated = true;
            ++i;
            continue;
        }
        std::size_t markLength = 0;
        const Mark mark = MarkAt(text.substr(i), markLength);
        if (mark != Mark::None) {
            if (tokens.empty() || tokens.back().kind != Token::Number ||
                tokens.back().mark != Mark::None || separated) {
                failure.reason = "a degree, minute or second mark must follow its number";
                return std::nullopt;
            }
            tokens.back().mark = mark;
            i += markLength;
            continue;
        }
        Token token;
        token.attached = !separated && !tokens.empty();
        if (std::isdigit(u) || c == '.' || c == '-' || c == '+') {
            std::size_t end = i;
            if (c == '-' || c == '+')
                ++end;
            const std::size_t digitsFrom = end;
            while (end < text.size() &&
                   (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.'))
                ++end;
            std::string_view number = text.substr(digitsFrom, end - digitsFrom);
            const auto value = base::ParseExact<double>(number);
            if (!value || number.find_first_not_of("0123456789.") != std::string_view::npos ||
                number.find_first_of("0123456789") == std::string_view::npos) {
                failure.reason = "\"" + std::string(text.substr(i, end - i)) + "\" is no number";
                return std::nullopt;
            }
            token.kind = Token::Number;
            token.text = std::string(text.substr(i, end - i));
            token.signedNumber = c == '-' || c == '+';
            token.value = c == '-' ? -*value : *value;
            token.whole = number.find('.') == std::string_view::npos;
            i = end;
        } else if (std::isalpha(u)) {
            std::size_t end = i;
            while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
                ++end;
            token.kind = Token::Word;
            for (char w : text.substr(i, end - i))
                token.text += static_cast<char>(std::toupper(static_cast<unsigned char>(w)));
            i = end;
        } else {
            failure.reason = "unexpected character \"" + std::string(1, c) + "\"";
            if (u >= 0x80)
                failure.reason = "unexpected character";
            return std::nullopt;
        }
        separated = false;
        tokens.push_back(std::move(token));
    }
    return tokens;
}

std::string Latitude(double value) {
    return FormatLatitude(value, CoordFormat::Deg);
}

bool IsPolar(char band) {
    return band == 'A' || band == 'B' || band == 'Y' || band == 'Z';
}

std::optional<LatitudeRange> CheckedBand(char band, Failure& failure) {
    if (IsPolar(band)) {
        failure.reason = std::string("band ") + band +
                         " is a polar area, outside UTM's range (80\xC2\xB0S to 84\xC2\xB0N)";
        return std::nullopt;
    }
    const auto range = BandLatitudes(band);
    if (!range)
        failure.reason = std::string(1, band) + " is no latitude band (C to X, without I and O)";
    return range;
}

std::optional<int> CheckedZone(const Token& token, Failure& failure) {
    if (token.kind != Token::Number || !token.whole || token.signedNumber || token.value < 1.0 ||
        token.value > 60.0) {
        failure.reason = token.text + " is no UTM zone (1 to 60)";
        return std::nullopt;
    }
    return static_cast<int>(token.value);
}

std::shared_ptr<const map::ProjTransform>
ZoneTransformOf(int zone, bool south, std::string_view datumCrs, Failure& failure) {
    std::string error;
    const std::string crs = UtmCrs(zone, south, datumCrs, &error);
    auto transform = crs.empty()
                         ? nullptr
                         : CachedTransform(IsWgs84(datumCrs) ? map::kWgs84 : datumCrs, crs, &error);
    if (!transform)
        failure.reason = error;
    return transform;
}

// A zone's easting/northing -> latitude/longitude on its datum, within UTM's range.
std::optional<MapPos> FromZone(const map::ProjTransform& transform, double easting, double northing,
                               Failure& failure) {
    MapPos p(easting, northing);
    if (!transform.Inverse(p) || !std::isfinite(p.y) || !std::isfinite(p.x)) {
        failure.reason = "the position cannot be converted";
        return std::nullopt;
    }
    // Slack for a sheet's margin that runs a little past the end of the grid.
    if (p.y < kUtmSouthLimit - 0.5 || p.y > kUtmNorthLimit + 0.5) {
        failure.reason = std::string("it lies ") +
                         (p.y > 0 ? "north of 84\xC2\xB0N" : "south of 80\xC2\xB0S") +
                         ", beyond UTM's range";
        return std::nullopt;
    }
    return p;
}

// "32T 500000 4982950", "32 N 500000 4982950": nothing (and no failure) when the tokens are not
// shaped so.
std::optional<MapPos> ParseUtm(const std::vector<Token>& tokens, std::string_view datumCrs,
                               bool& isUtm, Failure& failure) {
    isUtm = tokens.size() == 4 && tokens[0].kind == Token::Number && tokens[0].whole &&
            tokens[0].mark == Mark::None && tokens[1].kind == Token::Word &&
            tokens[2].kind == Token::Number && tokens[3].kind == Token::Number &&
            tokens[2].mark == Mark::None && tokens[3].mark == Mark::None &&
            (tokens[1].attached ? tokens[1].text.size() == 1
                                : tokens[1].text == "N" || tokens[1].text == "S");
    if (!isUtm)
        return std::nullopt;
    const auto zone = CheckedZone(tokens[0], failure);
    if (!zone)
        return std::nullopt;
    // Attached, the letter is a latitude band ("32T"); apart, the hemisphere ("32 N").
    const char letter = tokens[1].text[0];
    std::optional<LatitudeRange> band;
    if (tokens[1].attached && !(band = CheckedBand(letter, failure)))
        return std::nullopt;
    const bool south = band ? band->north <= 0.0 : letter == 'S';
    const double easting = tokens[2].value;
    const double northing = tokens[3].value;
    if (tokens[2].signedNumber || !(easting > 0.0 && easting < 1e6)) {
        failure.reason = "easting " + tokens[2].text + " is out of range (0 to 1000000)";
        return std::nullopt;
    }
    if (tokens[3].signedNumber || !(northing >= 0.0 && northing <= 1e7)) {
        failure.reason = "northing " + tokens[3].text + " is out of range (0 to 10000000)";
        return std::nullopt;
    }
    const auto transform = ZoneTransformOf(*zone, south, datumCrs, failure);
    if (!transform)
        return std::nullopt;
    const auto position = FromZone(*transform, easting, northing, failure);
    if (position && band && (position->y < band->south - 0.5 || position->y > band->north + 0.5)) {
        failure.reason = "northing " + tokens[3].text + " lies at " + Latitude(position->y) +
                         ", outside band " + letter;
        return std::nullopt;
    }
    // An easting far from the zone is a slip (a wrong zone or a swapped pair), not a margin: the
    // widest zones (32V, Svalbard's) reach 6 degrees from their meridian, a sheet a little more.
    if (position && std::fabs(std::remainder(position->x - (-183.0 + 6.0 * *zone), 360.0)) > 7.0) {
        failure.reason = "easting " + tokens[2].text + " lies outside zone " + tokens[0].text;
        return std::nullopt;
    }
    return position;
}

// "32TLR0000082950", blanks anywhere: nothing (and no failure) when the text is not shaped so.
std::optional<MapPos> ParseMgrs(std::string_view text, std::string_view datumCrs, bool& isMgrs,
                                Failure& failure) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t')
            compact += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isLetter = [](char c) { return c >= 'A' && c <= 'Z'; };
    const std::size_t zoneDigits = compact.size() > 1 && isDigit(compact[1]) ? 2 : 1;
    isMgrs = compact.size() >= zoneDigits + 3 && isDigit(compact[0]) &&
             isLetter(compact[zoneDigits]) && isLetter(compact[zoneDigits + 1]) &&
             isLetter(compact[zoneDigits + 2]) &&
             std::all_of(compact.begin() + static_cast<std::ptrdiff_t>(zoneDigits) + 3,
                         compact.end(), isDigit);
    if (!isMgrs)
        return std::nullopt;
    const int zone = std::stoi(compact.substr(0, zoneDigits));
    const char bandLetter = compact[zoneDigits];
    const char column = compact[zoneDigits + 1];
    const char row = compact[zoneDigits + 2];
    const std::string digits = compact.substr(zoneDigits + 3);
    if (zone < 1 || zone > 60) {
        failure.reason = std::to_string(zone) + " is no UTM zone (1 to 60)";
        return std::nullopt;
    }
    const auto band = CheckedBand(bandLetter, failure);
    if (!band)
        return std::nullopt;
    const std::string cell = std::to_string(zone) + bandLetter;
    const auto longitudes = ZoneLongitudes(zone, bandLetter);
    if (!longitudes) {
        failure.reason = "zone " + cell + " does not exist (31X, 33X, 35X and 37X cover it)";
        return std::nullopt;
    }
    if (digits.empty() || digits.size() % 2 != 0 || digits.size() > 10) {
        failure.reason = "give 1 to 5 digits of easting and as many of northing";
        return std::nullopt;
    }
    const auto squareEasting = SquareEasting(zone, column);
    const auto squareNorthing = SquareNorthing(zone, row);
    if (!squareEasting || !squareNorthing) {
        failure.reason = std::string("the 100 km square letter ") + (squareEasting ? row : column) +
                         " does not exist in zone " + std::to_string(zone);
        return std::nullopt;
    }
    const std::size_t half = digits.size() / 2;
    const double unit = std::pow(10.0, static_cast<double>(5 - half));
    const double inEasting = std::stod(digits.substr(0, half)) * unit;
    const double inNorthing = std::stod(digits.substr(half)) * unit;

    const bool south = band->north <= 0.0;
    const auto transform = ZoneTransformOf(zone, south, datumCrs, failure);
    if (!transform)
        return std::nullopt;
    // The row letters repeat every 2000 km; the band (at most 12 degrees, 1333 km) says which
    // repeat: the first whose square reaches the band's southern edge, lowest at the zone's
    // centre or edges.
    double lowest = 1e300;
    const double centre = -183.0 + 6.0 * zone;
    for (double lon : {longitudes->west, centre, longitudes->east}) {
        MapPos edge(lon, band->south);
        if (!transform->Forward(edge)) {
            failure.reason = "the position cannot be converted";
            return std::nullopt;
        }
        lowest = std::min(lowest, edge.y);
    }
    double northing = *squareNorthing;
    while (northing + 100000.0 <= lowest)
        northing += 2000000.0;
    // The square exists when it reaches into the zone's cell of the band.
    double south_ = 1e300, north_ = -1e300, west = 1e300, east = -1e300;
    for (double e : {0.0, 100000.0}) {
        for (double n : {0.0, 100000.0}) {
            MapPos corner(*squareEasting + e, northing + n);
            if (!transform->Inverse(corner)) {
                failure.reason = "the position cannot be converted";
                return std::nullopt;
            }
            south_ = std::min(south_, corner.y);
            north_ = std::max(north_, corner.y);
            west = std::min(west, corner.x);
            east = std::max(east, corner.x);
        }
    }
    if (south_ >= band->north || north_ <= band->south || west >= longitudes->east ||
        east <= longitudes->west) {
        failure.reason =
            std::string("the 100 km square ") + column + row + " does not exist in " + cell;
        return std::nullopt;
    }
    return FromZone(*transform, *squareEasting + inEasting, northing + inNorthing, failure);
}

// One coordinate: degrees, or degrees and minutes, or degrees, minutes and seconds, each
// number optionally marked.
struct Angle {
    std::vector<const Token*> numbers;
    char hemisphere = 0; // N, S, E, W or 0
};

std::optional<double> AngleValue(const Angle& angle, Failure& failure) {
    const auto& n = angle.numbers;
    if (n.empty() || n.size() > 3) {
        failure.reason = "cannot tell the latitude from the longitude";
        return std::nullopt;
    }
    static constexpr Mark kOrder[] = {Mark::Degrees, Mark::Minutes, Mark::Seconds};
    for (std::size_t i = 0; i < n.size(); ++i) {
        if (n[i]->mark != Mark::None && n[i]->mark != kOrder[i]) {
            failure.reason = "the marks of " + n[i]->text + " are out of order";
            return std::nullopt;
        }
        if (i > 0 && n[i]->signedNumber) {
            failure.reason = "only the degrees may carry a sign";
            return std::nullopt;
        }
        if (i + 1 < n.size() && !n[i]->whole) {
            failure.reason = n[i]->text + " must be whole when smaller units follow";
            return std::nullopt;
        }
        if (i > 0 && !(n[i]->value < 60.0)) {
            failure.reason =
                n[i]->text + (i == 1 ? " minutes" : " seconds") + " are out of range (below 60)";
            return std::nullopt;
        }
    }
    if (angle.hemisphere != 0 && n[0]->signedNumber) {
        failure.reason = "give a sign or a hemisphere letter, not both";
        return std::nullopt;
    }
    const double degrees = std::fabs(n[0]->value);
    if (!(degrees <= 180.0)) {
        failure.reason = n[0]->text + " degrees are out of range";
        return std::nullopt;
    }
    double value = degrees;
    if (n.size() == 3)
        value = DmsToDegrees(static_cast<std::int32_t>(degrees),
                             static_cast<std::int32_t>(n[1]->value), n[2]->value);
    else if (n.size() == 2)
        value = DmToDegrees(static_cast<std::int32_t>(degrees), n[1]->value);
    const bool negative =
        n[0]->text[0] == '-' || angle.hemisphere == 'S' || angle.hemisphere == 'W';
    return negative ? -value : value;
}

bool IsHemisphereWord(const Token& token) {
    return token.kind == Token::Word && token.text.size() == 1 &&
           std::string_view("NSEW").find(token.text[0]) != std::string_view::npos;
}

std::optional<MapPos> ParseGeographic(const std::vector<Token>& tokens, Failure& failure) {
    std::size_t letters = 0;
    for (const Token& token : tokens) {
        if (token.kind == Token::Word && !IsHemisphereWord(token)) {
            failure.reason = "\"" + token.text + "\" is no hemisphere (N, S, E or W)";
            return std::nullopt;
        }
        letters += token.kind == Token::Word ? 1 : 0;
    }
    Angle first, second;
    if (letters == 2) {
        // The letters stand before their numbers ("N46.5 E7.25") or after them.
        const bool before = tokens.front().kind == Token::Word;
        Angle* current = &first;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const Token& token = tokens[i];
            if (token.kind == Token::Word) {
                if (before && i > 0)
                    current = &second;
                current->hemisphere = token.text[0];
                if (!before)
                    current = &second;
            } else {
                current->numbers.push_back(&token);
            }
        }
        if (!before && tokens.back().kind != Token::Word) {
            failure.reason = "a hemisphere letter is missing after the longitude";
            return std::nullopt;
        }
    } else if (letters == 0) {
        // Without letters, a degree mark starts the second coordinate; without marks either, the
        // numbers split in halves (2, 4 or 6 of them).
        std::vector<const Token*> numbers;
        for (const Token& token : tokens)
            numbers.push_back(&token);
        std::size_t split = numbers.size() / 2;
        for (std::size_t i = 1; i < numbers.size(); ++i) {
            if (numbers[i]->mark == Mark::Degrees) {
                split = i;
                break;
            }
        }
        if (numbers.size() < 2 || (numbers.size() % 2 != 0 && split == numbers.size() / 2)) {
            failure.reason = "cannot tell the latitude from the longitude";
            return std::nullopt;
        }
        first.numbers.assign(numbers.begin(), numbers.begin() + static_cast<std::ptrdiff_t>(split));
        second.numbers.assign(numbers.begin() + static_cast<std::ptrdiff_t>(split), numbers.end());
    } else {
        failure.reason = "give both hemisphere letters or neither";
        return std::nullopt;
    }
    const auto isLongitude = [](const Angle& a) {
        return a.hemisphere == 'E' || a.hemisphere == 'W';
    };
    if (letters == 2 && isLongitude(first) == isLongitude(second)) {
        failure.reason = isLongitude(first) ? "two longitudes" : "two latitudes";
        return std::nullopt;
    }
    const Angle& latitude = isLongitude(first) ? second : first;
    const Angle& longitude = isLongitude(first) ? first : second;
    const auto lat = AngleValue(latitude, failure);
    if (!lat)
        return std::nullopt;
    const auto lon = AngleValue(longitude, failure);
    if (!lon)
        return std::nullopt;
    if (std::fabs(*lat) > 90.0) {
        failure.reason = "latitude " + Latitude(*lat) + " is out of range (up to 90\xC2\xB0)";
        return std::nullopt;
    }
    if (std::fabs(*lon) > 180.0) {
        failure.reason = "longitude " + FormatLongitude(*lon, CoordFormat::Deg) +
                         " is out of range (up to 180\xC2\xB0)";
        return std::nullopt;
    }
    return MapPos(*lon, *lat);
}

std::optional<MapPos> Parse(std::string_view text, std::string_view datumCrs, Failure& failure) {
    if (text.empty()) {
        failure.reason = "no position given";
        return std::nullopt;
    }
    bool isMgrs = false;
    if (auto position = ParseMgrs(text, datumCrs, isMgrs, failure); isMgrs)
        return position;
    const auto tokens = Tokenise(text, failure);
    if (!tokens)
        return std::nullopt;
    bool isUtm = false;
    if (auto position = ParseUtm(*tokens, datumCrs, isUtm, failure); isUtm)
        return position;
    return ParseGeographic(*tokens, failure);
}

} // namespace

std::optional<MapPos> ParsePosition(std::string_view text, std::string_view datumCrs,
                                    std::string* error) {
    const std::string trimmed = Trimmed(text);
    Failure failure;
    auto position = Parse(trimmed, datumCrs, failure);
    if (position && !IsWgs84(datumCrs)) {
        std::string why;
        const auto transform = CachedTransform(datumCrs, map::kWgs84, &why);
        if (!transform)
            failure.reason = why;
        else if (!transform->Forward(*position))
            failure.reason = "it cannot be converted to WGS 84";
        if (!failure.reason.empty())
            position.reset();
    }
    if (!position && error)
        *error = (trimmed.empty() ? std::string("(empty)") : trimmed) + ": " + failure.reason;
    return position;
}

std::optional<MapPos> ParseGridPosition(std::string_view text, std::string_view gridCrs,
                                        std::string* error) {
    // Two numbers, easting first, apart by blanks or a comma.
    constexpr std::string_view kApart = " \t,;";
    const std::string shown = Trimmed(text);
    std::string why;
    std::array<double, 2> values{};
    std::string_view rest = text;
    for (double& value : values) {
        const auto start = std::min(rest.find_first_not_of(kApart), rest.size());
        const auto end = std::min(rest.find_first_of(kApart, start), rest.size());
        const auto number = base::ParseExact<double>(rest.substr(start, end - start));
        if (!number || !std::isfinite(*number)) {
            why = "give the easting and the northing";
            break;
        }
        value = *number;
        rest.remove_prefix(end);
    }
    if (why.empty() && rest.find_first_not_of(kApart) != std::string_view::npos)
        why = "give the easting and the northing";
    MapPos p(values[0], values[1]);
    if (why.empty()) {
        std::string made;
        const auto transform =
            gridCrs.empty() ? nullptr : CachedTransform(gridCrs, map::kWgs84, &made);
        if (!transform)
            why = gridCrs.empty() ? "no grid given" : made;
        else if (!transform->Forward(p))
            why = "it lies outside the grid";
    }
    if (why.empty())
        return p;
    if (error)
        *error = (shown.empty() ? std::string("(empty)") : shown) + ": " + why;
    return std::nullopt;
}

} // namespace coords
