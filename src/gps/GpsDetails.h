#pragma once

#include "base/MapPos.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The richer reading of the receiver's stream beside the handheld's fold: what the details
// panel, the heading arrow, the accuracy circle and `quilo-tool monitor --json` show. Unknown
// is "nothing", never a made-up zero.
namespace gps {

enum class FixMode { Unknown, NoFix, Fix2D, Fix3D, Dgps, RtkFloat, RtkFixed };

enum class Constellation { Gps, Glonass, Galileo, Beidou, Qzss, Navic, Sbas, Other };

struct SkySatellite {
    Constellation system = Constellation::Other;
    int prn = 0;                  // as the sentence numbers it (GLONASS 65-96)
    std::optional<int> elevation; // degrees, 0..90
    std::optional<int> azimuth;   // degrees true, 0..359
    std::optional<int> snr;       // dB-Hz, 0..99
    std::optional<int> signal;    // the NMEA 4.10 signal id of its group, when sent
    bool used = false;            // named by the newest GSA of its system
    friend bool operator==(const SkySatellite&, const SkySatellite&) = default;
};

struct GpsDetails {
    std::optional<std::int64_t> utcMs; // UTC milliseconds since 1970 (RMC or ZDA)
    FixMode mode = FixMode::Unknown;
    std::optional<MapPos> position;  // latitude in y, longitude in x
    std::optional<double> altitudeM; // above mean sea level
    std::optional<double> speedMps;
    std::optional<double> courseTrue; // degrees
    // The newest true heading (HDT, THS) and how many have been read: a heading that stops
    // coming stays here, and the count tells a new one from it.
    std::optional<double> headingTrue; // degrees
    std::int64_t headings = 0;
    std::optional<double> magVar; // degrees, east positive
    std::optional<double> hdop, vdop, pdop;
    // Horizontal accuracy (1 sigma, metres): from GST when sent, else estimated from HDOP.
    std::optional<double> accuracyM;
    bool accuracyEstimated = false;
    // The newest complete sky of every talker and signal, merged.
    std::vector<SkySatellite> sky;
    [[nodiscard]] int SatellitesUsed() const;
};

// "GPS", "GLONASS", "Galileo", "BeiDou", "QZSS", "NavIC", "SBAS", "other": the panel's
// words and the tool's JSON alike.
std::string_view ConstellationName(Constellation system);

} // namespace gps
