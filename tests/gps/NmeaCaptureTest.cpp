// Every GGA and RMC position in the real receiver captures against an exact decimal conversion
// of its fields, done here on the digits with integer arithmetic.
#include "gps/NmeaDecode.h"

#include "support/TestFiles.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Physical lines (LF, CR or CR LF), without the publishers' "#" notes.
std::vector<std::string> SentenceLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i == bytes.size() || bytes[i] == '\n' || bytes[i] == '\r') {
            if (!line.empty() && line[0] != '#')
                lines.push_back(line);
            line.clear();
            if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += bytes[i];
        }
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    auto& last = fields.back();
    last = last.substr(0, last.find('*'));
    return fields;
}

// "DDMM.mmmm" (latitude) or "DDDMM.mmmm" (longitude) with digits only, minutes below 60 and
// within 90 or 180 degrees; false for anything else.
bool ExactCoordinate(const std::string& field, std::size_t degreeDigits,
                     const std::string& hemisphere, long double& value) {
    const std::size_t point = field.find('.');
    const std::string whole = field.substr(0, point);
    const std::string fraction = point == std::string::npos ? "" : field.substr(point + 1);
    if (whole.size() != degreeDigits + 2 || fraction.size() > 12)
        return false;
    std::int64_t degrees = 0, minutes = 0, scale = 1;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (whole[i] < '0' || whole[i] > '9')
            return false;
        (i < degreeDigits ? degrees : minutes) =
            (i < degreeDigits ? degrees : minutes) * 10 + (whole[i] - '0');
    }
    for (const char c : fraction) {
        if (c < '0' || c > '9')
            return false;
        minutes = minutes * 10 + (c - '0');
        scale *= 10;
    }
    if (minutes >= 60 * scale)
        return false;
    value = static_cast<long double>(degrees) +
            static_cast<long double>(minutes) / (60.0L * static_cast<long double>(scale));
    if (value > (degreeDigits == 2 ? 90.0L : 180.0L))
        return false;
    if (hemisphere == (degreeDigits == 2 ? "S" : "W"))
        value = -value;
    return true;
}

TEST(NmeaCaptures, PositionsAgreeWithExactConversion) {
    int files = 0, checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUILO_TEST_DATA "/nmea")) {
        if (entry.path().extension() != ".log")
            continue;
        ++files;
        const std::string name = entry.path().filename().string();
        int malformedHere = 0;
        for (const auto& line : SentenceLines(testsupport::ReadBytes(entry.path().string()))) {
            const std::string_view type = gps::NmeaSentenceType(line);
            if (type != "GGA" && type != "RMC")
                continue;
            const auto f = Fields(line);
            // Where the position fields sit and how many fields the type needs.
            const bool gga = type == "GGA";
            const std::size_t lat = gga ? 2 : 3, needed = gga ? 15 : 12;
            long double exactLatitude = 0, exactLongitude = 0;
            const bool exact = f.size() >= needed &&
                               ExactCoordinate(f[lat], 2, f[lat + 1], exactLatitude) &&
                               ExactCoordinate(f[lat + 2], 3, f[lat + 3], exactLongitude);
            double latitude = 0, longitude = 0;
            bool ok = false;
            if (gga) {
                gps::GgaRecord record;
                ok = gps::DecodeGga(line, record);
                latitude = record.latitude;
                longitude = record.longitude;
            } else {
                gps::RmcRecord record;
                ok = gps::DecodeRmc(line, record);
                latitude = record.latitude;
                longitude = record.longitude;
            }
            if (!exact) {
                // Taken by the decoder, but not in the plain form compared here.
                malformedHere += ok ? 1 : 0;
                continue;
            }
            ASSERT_TRUE(ok) << name << ": " << line;
            EXPECT_LE(std::fabs(static_cast<long double>(latitude) - exactLatitude), 1e-6L)
                << name << ": " << line;
            EXPECT_LE(std::fabs(static_cast<long double>(longitude) - exactLongitude), 1e-6L)
                << name << ": " << line;
            ++checked;
        }
        // Only the cold-boot capture carries garbled position fields; everywhere else every
        // decoded position is compared.
        if (name != "gp-320fw-2019-04-07-coldboot.log") {
            EXPECT_EQ(malformedHere, 0) << name;
        }
    }
    EXPECT_EQ(files, 26);
    EXPECT_GT(checked, 900);
}

} // namespace
