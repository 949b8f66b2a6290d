// One input is one sentence line. The allocation-free splitter must agree with a plain split
// into strings, the decoders with the fields, and nothing may read out of bounds or produce a
// non-finite value.
#include "gps/GpsDetailsReader.h"
#include "gps/NmeaDecode.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The oracle: every field as a string; the last one ends at a "*" behind the last comma.
std::vector<std::string> PlainSplit(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string_view::npos;
         start = comma + 1)
        fields.emplace_back(line.substr(start, comma - start));
    const std::size_t star = line.find('*', start);
    fields.emplace_back(line.substr(start, star == std::string_view::npos ? star : star - start));
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> f = PlainSplit(line);
    const gps::NmeaFields split = gps::SplitNmeaFields(line);
    const std::size_t count = split.count;
    Check(count == f.size() && count >= 1);
    for (std::size_t i = 0; i < count && i < gps::kNmeaKeptFields; ++i)
        Check(split[i] == f[i]);
    const std::string_view type = gps::NmeaSentenceType(line);
    Check(type.empty() || type.size() == 3);

    // Optional fields: in their ranges or nothing.
    const auto in = [](const auto& value, double low, double high) {
        return !value ||
               (std::isfinite(static_cast<double>(*value)) && *value >= low && *value <= high);
    };
    // A position is one the journal's reader takes: finite, within 90 and 180 degrees.
    const auto possible = [](double latitude, double longitude) {
        return std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0;
    };
    gps::GgaRecord gga;
    const bool ggaOk = gps::DecodeGga(line, gga);
    Check(ggaOk == (type == "GGA" && count >= 15 && gps::NmeaLatitude(f[2], f[3]) &&
                    gps::NmeaLongitude(f[4], f[5])));
    Check(possible(gga.latitude, gga.longitude) && in(gga.hdop, 0, 100) &&
          in(gga.altitude, -1e4, 1e6));
    if (ggaOk)
        Check(gga.latitude == gps::NmeaLatitude(f[2], f[3]) &&
              gga.longitude == gps::NmeaLongitude(f[4], f[5]));

    gps::RmcRecord rmc;
    const bool rmcOk = gps::DecodeRmc(line, rmc);
    Check(rmcOk == (type == "RMC" && count >= 12 && gps::NmeaLatitude(f[3], f[4]) &&
                    gps::NmeaLongitude(f[5], f[6])));
    Check(possible(rmc.latitude, rmc.longitude));
    Check(std::isnan(rmc.speedKnots) || (rmc.speedKnots >= 0.0 && rmc.speedKnots <= 1e5));

    gps::GsaRecord gsa;
    const bool gsaOk = gps::DecodeGsa(line, gsa);
    Check(gsaOk == (type == "GSA" && count >= 18));
    Check(in(gsa.hdop, 0, 100) && gsa.satellitesUsed >= 0 && gsa.satellitesUsed <= 12);
    Check(gsa.prnCount >= 0 && gsa.prnCount <= gsa.satellitesUsed);

    gps::GsvRecord gsv;
    if (gps::DecodeGsv(line, gsv)) {
        Check(type == "GSV" && gsv.number >= 1 && gsv.number <= gsv.sentences);
        Check(gsv.count >= 0 && gsv.count <= 4 && in(gsv.signal, 0, 15));
        for (int i = 0; i < gsv.count; ++i) {
            const gps::GsvSatellite& satellite = gsv.satellites[static_cast<std::size_t>(i)];
            Check(satellite.prn >= 1 && satellite.prn <= 999 && in(satellite.elevation, 0, 90) &&
                  in(satellite.azimuth, 0, 359) && in(satellite.snr, 0, 99));
        }
    }
    gps::VtgRecord vtg;
    if (gps::DecodeVtg(line, vtg))
        Check(in(vtg.courseTrue, 0, 360) && in(vtg.speedKnots, 0, 1e5));
    gps::GstRecord gst;
    if (gps::DecodeGst(line, gst))
        Check(in(gst.semiMajor, 0, 1e7) && in(gst.latitude, 0, 1e7));

    gps::GpsDetailsReader reader;
    reader.Add(gps::DecodeSentence(line));
    const gps::GpsDetails& details = reader.Details();
    Check(in(details.accuracyM, 0, 1e7) && in(details.speedMps, 0, 1e5) &&
          static_cast<std::size_t>(details.SatellitesUsed()) <= details.sky.size());
    return 0;
}
