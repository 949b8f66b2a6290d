// One input is one sentence line. The decoders' own field splitting must agree with
// NmeaSplitFields, and nothing may read out of bounds or produce a non-finite value.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> f;
    const std::size_t count = static_cast<std::size_t>(gps::NmeaSplitFields(line, f));
    Check(count == f.size() && count >= 1);
    const std::string type = gps::NmeaSentenceType(line);
    Check(type.empty() || type.size() == 3);

    gps::GgaRecord gga;
    const bool ggaOk = gps::DecodeGga(line, gga);
    Check(ggaOk == (type == "GGA" && count >= 15 && !f[2].empty() && !f[4].empty()));
    Check(std::isfinite(gga.latitude) && std::isfinite(gga.longitude) && std::isfinite(gga.hdop) &&
          std::isfinite(gga.altitude));
    if (ggaOk)
        Check(gga.latitude == gps::NmeaLatitude(f[2], f[3]) &&
              gga.longitude == gps::NmeaLongitude(f[4], f[5]));

    gps::RmcRecord rmc;
    const bool rmcOk = gps::DecodeRmc(line, rmc);
    Check(rmcOk == (type == "RMC" && count >= 12 && !f[3].empty() && !f[5].empty()));
    Check(std::isfinite(rmc.latitude) && std::isfinite(rmc.longitude));

    gps::GsaRecord gsa;
    const bool gsaOk = gps::DecodeGsa(line, gsa);
    Check(gsaOk == (type == "GSA" && count >= 18));
    Check(std::isfinite(gsa.hdop) && gsa.satellitesUsed >= 0 && gsa.satellitesUsed <= 12);
    return 0;
}
