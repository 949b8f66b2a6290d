#include "map/formats/MapFormats.h"

#include "map/formats/GdalRaster.h"
#include "map/formats/GeoTiff.h"
#include "map/formats/GroundOverlay.h"
#include "map/formats/ImageHeader.h"
#include "map/formats/KmzArchive.h"
#include "map/formats/MapSource.h"
#include "map/formats/MbTiles.h"
#include "map/formats/OziMapFile.h"
#include "map/formats/WorldFile.h"
#include "platform/FileIo.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

namespace map {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool OneOf(std::string_view extension, std::initializer_list<std::string_view> names) {
    return std::ranges::find(names, extension) != names.end();
}

bool IsImage(std::string_view head, std::string_view) {
    return StartsWith(head, "\xFF\xD8\xFF") || StartsWith(head, "\x89PNG\r\n\x1A\n") ||
           StartsWith(head, "GIF87a") || StartsWith(head, "GIF89a") || StartsWith(head, "BM");
}

// The world file of every image kind: the extension's first and last letters and a 'w', the
// whole extension and a 'w', or the general .wld.
bool IsWorldFile(std::string_view, std::string_view extension) {
    return OneOf(extension, {"jgw", "jpgw", "jpegw", "pgw", "pngw", "gfw", "gifw", "bpw", "bmpw",
                             "tfw", "tifw", "tiffw", "wld"});
}

// Told by its first line alone: ".map" is also the extension of other programs' vector maps.
bool IsOziMap(std::string_view head, std::string_view) {
    if (StartsWith(head, "\xEF\xBB\xBF"))
        head.remove_prefix(3);
    return StartsWith(head, "OziExplorer Map Data File");
}

bool IsKmz(std::string_view head, std::string_view extension) {
    return extension == "kmz" && StartsWith(head, "PK\x03\x04");
}

// A KML file is a trail or points document unless it holds a ground overlay.
bool IsKmlOverlay(std::string_view head, std::string_view extension) {
    return extension == "kml" && head.find("GroundOverlay") != std::string_view::npos;
}

// Classic TIFF (42) and BigTIFF (43), either byte order.
bool IsTiff(std::string_view head, std::string_view) {
    return StartsWith(head, std::string_view("II*\0", 4)) ||
           StartsWith(head, std::string_view("MM\0*", 4)) ||
           StartsWith(head, std::string_view("II+\0", 4)) ||
           StartsWith(head, std::string_view("MM\0+", 4));
}

bool IsSqlite(std::string_view head, std::string_view) {
    return StartsWith(head, std::string_view("SQLite format 3\0", 16));
}

constexpr std::array kFormats{
    MapFormat{MapFileKind::OziMap, "ozi-map", "OziExplorer Maps (*.map)", "*.map",
              "application/x-ozi-map", &IsOziMap, &ReadOziMap},
    MapFormat{MapFileKind::Kmz, "kmz", "KMZ Ground Overlays (*.kmz)", "*.kmz",
              "application/vnd.google-earth.kmz", &IsKmz, &ReadKmz},
    MapFormat{MapFileKind::KmlOverlay, "kml-overlay", "KML Ground Overlays (*.kml)", "*.kml",
              "application/vnd.google-earth.kml+xml", &IsKmlOverlay, &ReadKmlOverlay},
    MapFormat{MapFileKind::GeoTiff, "geotiff", "GeoTIFF Maps (*.tif *.tiff)", "*.tif;*.tiff",
              "image/tiff", &IsTiff, &ReadGeoTiff},
    // After the program's own readers, before the tile sets (a GeoPackage is SQLite too).
    MapFormat{MapFileKind::Gdal, "gdal",
              "GDAL Rasters (*.pdf *.kap *.jp2 *.gpkg *.vrt *.img *.rsw *.mtw *.dem *.hgt *.asc)",
              "*.pdf;*.kap;*.jp2;*.j2k;*.gpkg;*.vrt;*.img;*.rsw;*.mtw;*.dem;*.hgt;*.asc;*.grd;"
              "*.bil;*.dt0;*.dt1;*.dt2;*.ers;*.ntf;*.nitf;*.cap;*.nos;*.sdat;*.rst",
              "application/pdf;image/jp2;application/geopackage+sqlite3;application/x-gdal-vrt;"
              "application/x-bsb-chart;application/x-erdas-hfa",
              &IsGdalRaster, &ReadGdalRaster},
    MapFormat{MapFileKind::MbTiles, "mbtiles", "MBTiles Tile Sets (*.mbtiles)", "*.mbtiles",
              "application/x-mbtiles", &IsSqlite, &ReadMbTiles},
    MapFormat{MapFileKind::WorldFile, "world-file", "World Files (*.jgw *.pgw *.gfw *.bpw *.wld)",
              "*.jgw;*.pgw;*.gfw;*.bpw;*.tfw;*.wld", "", &IsWorldFile, &ReadWorldFileMap},
    MapFormat{MapFileKind::Image, "image", "Images (*.jpg *.png *.gif *.bmp)",
              "*.jpg;*.jpeg;*.png;*.gif;*.bmp", "image/jpeg;image/png;image/gif;image/bmp",
              &IsImage, &ReadImageFile},
};

std::string LowerExtension(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    std::string extension(dot == std::string_view::npos ? std::string_view()
                                                        : name.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

} // namespace

std::span<const MapFormat> MapFormats() {
    return kFormats;
}

const MapFormat* RecogniseMap(std::string_view head, std::string_view path) {
    const std::string extension = LowerExtension(path);
    const auto* row = std::ranges::find_if(
        kFormats, [&](const MapFormat& format) { return format.recognise(head, extension); });
    return row == kFormats.end() ? nullptr : &*row;
}

RecognisedMap RecogniseMapFile(const std::string& path) {
    RecognisedMap out;
    int err = 0;
    platform::UniqueFd fd = platform::OpenRegularFile(path, &err);
    // "FILE#N": one of the maps of a file of several, which only GDAL's rasters hold.
    const base::ChosenMap chosen = err == ENOENT ? base::SplitChosenMap(path) : base::ChosenMap{};
    if (chosen.index > 0)
        fd = platform::OpenRegularFile(chosen.file, &err);
    if (!fd.Valid()) {
        out.error = path + ": " + platform::ErrorText(err);
        return out;
    }
    std::string head(kMapHeadBytes, '\0');
    std::size_t got = 0;
    while (got < head.size()) {
        const ssize_t n = ::read(fd.Get(), head.data() + got, head.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            out.error = path + ": " + platform::ErrorText(errno);
            return out;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    head.resize(got);
    out.format = RecogniseMap(head, chosen.index > 0 ? chosen.file : path);
    if (chosen.index > 0 && out.format != nullptr && out.format->kind != MapFileKind::Gdal) {
        out.format = nullptr;
        out.error = path + ": " + chosen.file + " holds one map only";
        return out;
    }
    if (out.format == nullptr) {
        out.error = path + ": not a map of any kind QUILO opens";
        out.unrecognised = true;
    }
    return out;
}

const MapFormat& FormatOf(MapFileKind kind) {
    return *std::ranges::find(kFormats, kind, &MapFormat::kind);
}

} // namespace map
