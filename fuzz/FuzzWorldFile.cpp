// One input is a world file, then (after the first NUL byte) the .prj beside it. The world file
// is refused with a reason or gives six finite values whose pixels have an area; the .prj's
// text is WKT that names a CRS, or is refused with a reason.
#include "FuzzCheck.h"
#include "geo/Proj.h"
#include "map/formats/WorldFile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Check;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto nul = input.find('\0');
    const std::string_view world = input.substr(0, nul);
    std::string error;
    if (const auto values = map::ParseWorldFile(world, &error)) {
        for (const double value : *values)
            Check(std::isfinite(value));
        Check((*values)[0] * (*values)[3] - (*values)[1] * (*values)[2] != 0);
    } else {
        Check(!error.empty());
    }
    if (nul != std::string_view::npos) {
        std::string why;
        if (const auto wkt = map::PrjDefinition(input.substr(nul + 1), &why)) {
            Check(wkt->size() <= map::kMaxPrjBytes && wkt->ends_with(']'));
            if (map::CrsName(*wkt, &why).empty())
                Check(!why.empty());
        } else {
            Check(!why.empty());
        }
    }
    return 0;
}
