// quilo-tool hillshade DEMFILE OUT.tif [--slope] [--scale S] [--reduce N]: shades a whole DEM as
// the map view does and writes the greys as a GeoTIFF on the DEM's grid, to be checked against
// gdaldem.
#include "base/Number.h"
#include "terrain/DemRaster.h"
#include "terrain/Shading.h"
#include "tool/ToolCommand.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

// Metres in a degree of latitude, as gdaldem is told for a geographic grid.
constexpr double kMetresPerDegree = 111120.0;

int RunHillshade(const tool::ParsedArgs& args, std::ostream&, std::ostream& err) {
    std::optional<double> scale;
    if (const auto text = args.Value("--scale")) {
        scale = base::ParseExact(*text, 1e-9, 1e12);
        if (!scale)
            return tool::Fail(err, "hillshade",
                              "bad scale '" + std::string(*text) + "' (a positive number)");
    }
    int reduce = 1;
    if (const auto text = args.Value("--reduce")) {
        const auto parsed = base::ParseExact(*text, 1, 64);
        if (!parsed)
            return tool::Fail(err, "hillshade",
                              "bad reduction '" + std::string(*text) +
                                  "' (a whole number from 1 to 64)");
        reduce = *parsed;
    }
    bool slope = false;
    for (const tool::OptionUse& use : args.options)
        slope = slope || use.name == "--slope";
    const std::string in(args.positionals[0]);
    const std::string outPath(args.positionals[1]);
    const terrain::DemRasterResult read = terrain::ReadDemRaster(in);
    if (!read.raster)
        return tool::Fail(err, "hillshade", read.error);
    std::optional<terrain::DemRaster> reduced;
    if (reduce > 1) {
        std::string why;
        reduced = terrain::ReduceRaster(*read.raster, reduce, &why);
        if (!reduced)
            return tool::Fail(err, "hillshade", in + ": " + why);
    }
    const terrain::DemRaster& dem = reduced ? *reduced : *read.raster;
    terrain::HeightWindow window;
    window.heights = dem.heights.data();
    window.width = dem.width;
    window.height = dem.height;
    window.stride = dem.width;
    window.xStep = dem.xStep;
    window.yStep = dem.yStep;
    window.scale = scale.value_or(dem.geographic ? kMetresPerDegree : 1.0);
    window.noData = dem.noData;
    std::vector<std::uint8_t> grey(dem.heights.size());
    terrain::Shade(window, slope ? terrain::ShadeKind::Slope : terrain::ShadeKind::Hill, {},
                   grey.data(), dem.width);
    if (const platform::FileResult written = terrain::WriteShadeGeoTiff(outPath, dem, grey);
        !written)
        return tool::Fail(err, "hillshade", written.error);
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"hillshade",
     "DEMFILE OUT",
     "[--slope] [--scale S] [--reduce N]",
     "writes the hill shading of DEMFILE (an SRTM .hgt or .hgt.zip, or a one-band GeoTIFF) as "
     "an 8-bit GeoTIFF on its grid: Horn's method, light from 315 degrees at 45, 1..255 with 0 "
     "where there is no answer, as gdaldem hillshade computes it",
     {{"--slope", "", "slope shading instead: white where flat, black where vertical"},
      {"--scale", "S", "grid units to height units (default 111120 for a grid in degrees, else 1)"},
      {"--reduce", "N",
       "shades the DEM at 1/N of its resolution, each N x N block's mean height, as the map "
       "view shades a DEM it shows zoomed out"}}},
    &RunHillshade,
});

} // namespace
