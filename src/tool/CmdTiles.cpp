// quilo-tool tiles info|save SOURCE|URL [OUT.mbtiles]: a tile source's definition, and an area
// of it saved as an MBTiles file.
#include "base/Number.h"
#include "map/tiles/SaveArea.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileSource.h"
#include "map/tiles/WmtsCapabilities.h"
#include "tool/ToolCommand.h"
#include "xml/GpxReader.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace {

constexpr std::string_view kCommand = "tiles";
constexpr std::string_view kUserAgent = "QUILO/" QUILO_VERSION_TEXT;

int Info(const map::TileSourceDef& source, std::ostream& out) {
    out << "id\t" << source.id << '\n'
        << "name\t" << source.name << '\n'
        << "type\t" << map::ProtocolName(source.protocol) << '\n'
        << "url\t" << source.url << '\n'
        << "zoom\t" << source.minZoom << '-' << source.maxZoom << '\n'
        << "format\t" << source.format << '\n'
        << "attribution\t" << source.attribution << '\n'
        << "policy\t" << source.policy << '\n'
        << "bulk\t" << (source.bulk.allowed ? "allowed" : "forbidden") << '\n';
    if (source.bulk.allowed && source.bulk.maxTiles > 0)
        out << "bulk-max-tiles\t" << source.bulk.maxTiles << '\n';
    if (source.bulk.allowed && source.bulk.maxZoom >= 0)
        out << "bulk-max-zoom\t" << source.bulk.maxZoom << '\n';
    if (!source.layer.empty())
        out << "layer\t" << source.layer << '\n';
    return 0;
}

int Save(const tool::ParsedArgs& args, map::TileSourceDef source, std::ostream& out,
         std::ostream& err) {
    if (args.positionals.size() < 3)
        return tool::Fail(err, kCommand, "tiles save needs OUT.mbtiles");
    map::TileArea area;
    bool box = false;
    std::string track;
    for (const tool::OptionUse& use : args.options) {
        if (use.name == "--bbox") {
            const double limits[4][2] = {{-90, 90}, {-180, 180}, {-90, 90}, {-180, 180}};
            double* fields[4] = {&area.south, &area.west, &area.north, &area.east};
            for (int i = 0; i < 4; ++i) {
                const auto value =
                    base::ParseExact(base::SkipPlus(use.values[static_cast<std::size_t>(i)]),
                                     limits[i][0], limits[i][1]);
                if (!value)
                    return tool::Fail(err, kCommand, "--bbox needs S W N E in degrees");
                *fields[i] = *value;
            }
            box = true;
        } else if (use.name == "--zoom") {
            const std::string_view text = use.values[0];
            const auto dash = text.find('-');
            const auto low = base::ParseExact<int>(text.substr(0, dash), 0, map::kMostTileZoom);
            const auto high =
                dash == std::string_view::npos
                    ? low
                    : base::ParseExact<int>(text.substr(dash + 1), 0, map::kMostTileZoom);
            if (!low || !high || *low > *high)
                return tool::Fail(err, kCommand, "--zoom needs MIN-MAX, zooms 0 to 22");
            area.minZoom = *low;
            area.maxZoom = *high;
        } else if (use.name == "--along") {
            track = use.values[0];
        } else if (use.name == "--km") {
            const auto km = base::ParseExact<double>(use.values[0], 0.001, 100.0);
            if (!km)
                return tool::Fail(err, kCommand, "--km needs a width from 0.001 to 100");
            area.km = *km;
        }
    }
    if (!args.Value("--zoom"))
        return tool::Fail(err, kCommand, "tiles save needs --zoom MIN-MAX");
    if (!box && track.empty())
        return tool::Fail(err, kCommand, "tiles save needs --bbox S W N E or --along TRACK");
    if (!track.empty()) {
        xml::GpxContents gpx;
        if (auto read = xml::ReadGpxFile(track, gpx); !read)
            return tool::Fail(err, kCommand, read.error);
        for (const auto& segment : xml::GpxTrail(gpx)) {
            area.along.emplace_back();
            for (const auto& point : segment)
                area.along.back().push_back(point.position);
        }
        if (area.along.empty())
            return tool::Fail(err, kCommand, track + ": holds no track or route");
    }
    map::SaveOptions options;
    options.userAgent = kUserAgent;
    options.cacheFolder = map::TileCacheFolder();
    options.dryRun =
        std::any_of(args.options.begin(), args.options.end(),
                    [](const tool::OptionUse& use) { return use.name == "--dry-run"; });
    if (source.protocol == map::TileProtocol::Wmts && !options.dryRun) {
        map::WmtsResult resolved = map::ResolveWmts(source, options.userAgent, nullptr, false);
        if (!resolved.source)
            return tool::Fail(err, kCommand, resolved.error);
        source = std::move(*resolved.source);
    }
    const map::SaveResult saved =
        map::SaveArea(source, area, std::string(args.positionals[2]), options);
    if (!saved.ok)
        return tool::Fail(err, kCommand, saved.error);
    if (options.dryRun) {
        const std::string refusal = map::BulkRefusal(source, saved.total, area.maxZoom);
        out << "tiles\t" << saved.total << '\n'
            << "bytes\t" << saved.estimatedBytes << '\n'
            << "allowed\t" << (refusal.empty() ? std::string("yes") : "no: " + refusal) << '\n';
        return 0;
    }
    if (saved.failed > 0)
        return tool::Fail(err, kCommand,
                          std::to_string(saved.failed) + " of " + std::to_string(saved.total) +
                              " tiles could not be fetched (" + saved.lastFailure +
                              "); the same command again fetches the rest");
    out << "tiles\t" << saved.total << '\n'
        << "fetched\t" << saved.fetched << '\n'
        << "kept\t" << saved.kept << '\n'
        << "missing\t" << saved.missing << '\n';
    return 0;
}

int RunTiles(const tool::ParsedArgs& args, std::ostream& out, std::ostream& err) {
    const std::string_view action = args.positionals[0];
    if (action != "info" && action != "save")
        return tool::Fail(err, kCommand, "the action must be info or save");
    map::TileSourceResult found =
        map::FindTileSource(args.positionals[1], map::TileSourceFolders());
    if (!found.source)
        return tool::Fail(err, kCommand, found.error);
    if (action == "info")
        return args.positionals.size() > 2
                   ? tool::Fail(err, kCommand, "tiles info takes no OUT file")
                   : Info(*found.source, out);
    return Save(args, std::move(*found.source), out, err);
}

const tool::ToolCommandRegistrar registrar({
    {"tiles",
     "ACTION SOURCE [OUT]",
     "[--bbox S W N E] [--zoom MIN-MAX] [--along TRACK] [--km K] [--dry-run]",
     "info: prints a tile source's definition; save: saves an area of it as an MBTiles file "
     "(SOURCE is a definition's name or a URL template)",
     {{"--bbox", "S W N E", "the area to save, in degrees"},
      {"--zoom", "MIN-MAX", "the zooms to save"},
      {"--along", "TRACK", "saves a corridor along the tracks (or routes) of a GPX file instead"},
      {"--km", "K", "the corridor's width either side of the track (default 1 km)"},
      {"--dry-run", "", "prints the tile count and estimated size, and saves nothing"}}},
    &RunTiles,
});

} // namespace
