// generate-nmea-log OUT [SENTENCES]: writes a long, realistic NMEA 0183 log for the conversion
// benchmark: one GGA, RMC and GSA sentence a second with valid checksums, from a receiver
// driving at 15 m/s on a slowly turning course around Munich. The output is the same on every
// run (900 000 sentences, the default, make about 57 MB).
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEarthRadius = 6371008.0;

void AppendFixed(std::string& out, double value, int decimals, int width = 0) {
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
            .ptr;
    for (int pad = width - static_cast<int>(end - buffer); pad > 0; --pad)
        out += '0';
    out.append(buffer, end);
}

void AppendInt(std::string& out, long value, int width) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    for (int pad = width - static_cast<int>(end - buffer); pad > 0; --pad)
        out += '0';
    out.append(buffer, end);
}

// ddmm.mmmm or dddmm.mmmm, then the hemisphere.
void AppendCoordinate(std::string& out, double degrees, int degreeDigits, char positive,
                      char negative) {
    const double magnitude = std::fabs(degrees);
    const int whole = static_cast<int>(magnitude);
    double minutes = (magnitude - whole) * 60.0;
    minutes = std::round(minutes * 10000.0) / 10000.0;
    AppendInt(out, whole, degreeDigits);
    AppendFixed(out, minutes, 4, 7);
    out += ',';
    out += degrees < 0 ? negative : positive;
}

// Adds the checksum and the line end to a sentence that starts with "$".
void Finish(std::string& out, std::size_t start) {
    unsigned char sum = 0;
    for (std::size_t i = start + 1; i < out.size(); ++i)
        sum ^= static_cast<unsigned char>(out[i]);
    static const char kHex[] = "0123456789ABCDEF";
    out += '*';
    out += kHex[sum >> 4];
    out += kHex[sum & 15];
    out += "\r\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: generate-nmea-log OUT [SENTENCES]\n");
        return 2;
    }
    long sentences = 900000;
    if (argc == 3) {
        const std::string_view text = argv[2];
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), sentences);
        if (ec != std::errc{} || end != text.data() + text.size() || sentences < 0) {
            std::fprintf(stderr, "generate-nmea-log: bad sentence count '%s'\n", argv[2]);
            return 2;
        }
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 2;
    }

    double latitude = 48.1173;
    double longitude = 11.5167;
    double course = 84.4;
    const double speed = 15.0; // m/s
    long seconds = 12 * 3600;
    int day = 1;
    std::string out;
    out.reserve(1 << 20);
    for (long n = 0; n < sentences; ++n) {
        const int kind = static_cast<int>(n % 3);
        const long t = seconds % 86400;
        const std::size_t start = out.size();
        if (kind == 0) {
            out += "$GPGGA,";
            AppendInt(out, t / 3600, 2);
            AppendInt(out, t / 60 % 60, 2);
            AppendInt(out, t % 60, 2);
            out += ".00,";
            AppendCoordinate(out, latitude, 2, 'N', 'S');
            out += ',';
            AppendCoordinate(out, longitude, 3, 'E', 'W');
            out += ",1,";
            AppendInt(out, 6 + n % 7, 2);
            out += ",0.9,";
            AppendFixed(out, 520.0 + 30.0 * std::sin(n * 1e-4), 1);
            out += ",M,46.9,M,,";
        } else if (kind == 1) {
            out += "$GPRMC,";
            AppendInt(out, t / 3600, 2);
            AppendInt(out, t / 60 % 60, 2);
            AppendInt(out, t % 60, 2);
            out += ".00,A,";
            AppendCoordinate(out, latitude, 2, 'N', 'S');
            out += ',';
            AppendCoordinate(out, longitude, 3, 'E', 'W');
            out += ',';
            AppendFixed(out, speed * 1.943844, 1); // knots
            out += ',';
            AppendFixed(out, course, 1);
            out += ',';
            AppendInt(out, 1 + (day - 1) % 28, 2);
            out += "0626,,";
        } else {
            out += "$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1";
            // The second is over: move on along the course, turning slowly.
            const double step = speed / kEarthRadius * 180.0 / kPi;
            latitude += step * std::cos(course * kPi / 180.0);
            longitude += step * std::sin(course * kPi / 180.0) / std::cos(latitude * kPi / 180.0);
            course = std::fmod(course + 0.05 + 0.5 * std::sin(n * 1e-3), 360.0);
            if (++seconds % 86400 == 0)
                ++day;
        }
        Finish(out, start);
        if (out.size() >= (1 << 20) - 256) {
            std::fwrite(out.data(), 1, out.size(), file);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), file);
    if (std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    return 0;
}
