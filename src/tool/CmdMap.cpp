// quilo-tool map MAP [--info] [--tps] [--pixel X Y]... [--geo LAT LON]...: opens a map as the
// viewer does (an image and the calibration, grid or world file beside it, a .map, a ground
// overlay, a GeoTIFF, an MBTiles file, any raster GDAL reads) and converts through its
// georeference.
#include "base/Number.h"
#include "map/ShownMap.h"
#include "map/formats/GdalRaster.h"
#include "tool/Conversions.h"
#include "tool/ToolCommand.h"

#include <ostream>
#include <string>

namespace {

void PrintInfo(const map::ShownMapResult& opened, std::ostream& out) {
    const map::ShownMap& shown = *opened.map;
    out << "kind\t" << shown.Kind() << '\n';
    out << "size\t" << shown.Width() << '\t' << shown.Height() << '\n';
    out << "model\t" << shown.Georef().Describe() << '\n';
    for (const MapPos& corner : shown.Outline())
        out << "outline\t" << base::FormatShortest(corner.y) << '\t'
            << base::FormatShortest(corner.x) << '\n';
    for (const map::MapChoice& choice : opened.maps)
        out << "map\t" << choice.path << '\t' << choice.name << '\n';
}

int RunMap(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const tool::Conversions conversions = tool::ParseConversions(args);
    if (!conversions.error.empty())
        return tool::Fail(err, "map", conversions.error);
    const std::string path(args.positionals[0]);
    bool info = args.options.empty(); // a bare map is described
    for (const tool::OptionUse& use : args.options) {
        info = info || use.name == "--info";
        if (use.name == "--tps")
            map::SetControlPointFit(map::ControlPointFit::ThinPlateSpline);
    }
    const map::ShownMapResult opened = map::ReadShownMap(path);
    if (!opened.map)
        return tool::Fail(err, "map", opened.error);
    for (const std::string& warning : opened.warnings)
        err << "quilo-tool map: " << warning << '\n';
    // Without its file a map has only the placeholder transform: nothing to convert with.
    if (!conversions.list.empty() && !opened.calibrated)
        return tool::Fail(err, "map", path + ": this map has no calibration information");

    if (info)
        PrintInfo(opened, out);
    tool::PrintConversions(conversions.list, opened.map->Georef(), out);
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"map",
     "MAP",
     "[--info] [--tps] [--pixel X Y]... [--geo LAT LON]...",
     "opens a map as the viewer does (a JPEG, PNG, GIF or BMP image with the .mcd, .grid or world "
     "file beside it, an OziExplorer .map, a KML or KMZ ground overlay, a GeoTIFF, an MBTiles "
     "file, a GeoPDF, KAP chart, JPEG 2000, GeoPackage, VRT or other raster GDAL reads) and "
     "converts pixels to positions and back in argument order; --info (the default) "
     "describes it",
     {{"--info", "",
       "prints the kind, the size, the georeference model, the outline and the maps of a file "
       "of several"},
      {"--tps", "",
       "fits a raster placed by 10 or more control points by thin plate splines through every "
       "point instead of a polynomial"},
      {"--pixel", "X Y", "prints the position of the pixel (column, row from the top)"},
      {"--geo", "LAT LON", "prints the pixel of the position"}}},
    &RunMap,
});

} // namespace
