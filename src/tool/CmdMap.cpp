// quilo-tool map MAP [--info] [--pixel X Y]... [--geo LAT LON]...: opens a map as the viewer
// does (an image and the calibration, grid or world file beside it, a .map, a ground overlay, a
// GeoTIFF, an MBTiles file, any raster GDAL reads) and converts through its georeference.
#include "base/Number.h"
#include "map/ShownMap.h"
#include "tool/Conversions.h"
#include "tool/ToolCommand.h"

#include <ostream>
#include <string>

namespace {

void PrintInfo(const map::ShownMap& shown, std::ostream& out) {
    out << "kind\t" << shown.Kind() << '\n';
    out << "size\t" << shown.Width() << '\t' << shown.Height() << '\n';
    out << "model\t" << shown.Georef().Describe() << '\n';
    for (const MapPos& corner : shown.Outline())
        out << "outline\t" << base::FormatShortest(corner.y) << '\t'
            << base::FormatShortest(corner.x) << '\n';
}

int RunMap(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const tool::Conversions conversions = tool::ParseConversions(args);
    if (!conversions.error.empty())
        return tool::Fail(err, "map", conversions.error);
    const std::string path(args.positionals[0]);
    const map::ShownMapResult opened = map::ReadShownMap(path);
    if (!opened.map)
        return tool::Fail(err, "map", opened.error);
    for (const std::string& warning : opened.warnings)
        err << "quilo-tool map: " << warning << '\n';
    // Without its file a map has only the placeholder transform: nothing to convert with.
    if (!conversions.list.empty() && !opened.calibrated)
        return tool::Fail(err, "map", path + ": this map has no calibration information");

    bool info = args.options.empty(); // a bare map is described
    for (const tool::OptionUse& use : args.options)
        info = info || use.name == "--info";
    if (info)
        PrintInfo(*opened.map, out);
    tool::PrintConversions(conversions.list, opened.map->Georef(), out);
    return 0;
}

const tool::ToolCommandRegistrar registrar({
    {"map",
     "MAP",
     "[--info] [--pixel X Y]... [--geo LAT LON]...",
     "opens a map as the viewer does (a JPEG, PNG, GIF or BMP image with the .mcd, .grid or world "
     "file beside it, an OziExplorer .map, a KML or KMZ ground overlay, a GeoTIFF, an MBTiles "
     "file, a GeoPDF, KAP chart, JPEG 2000, GeoPackage, VRT or other raster GDAL reads) and "
     "converts pixels to positions and back in argument order; --info (the default) "
     "describes it",
     {{"--info", "", "prints the kind, the size, the georeference model and the outline"},
      {"--pixel", "X Y", "prints the position of the pixel (column, row from the top)"},
      {"--geo", "LAT LON", "prints the pixel of the position"}}},
    &RunMap,
});

} // namespace
