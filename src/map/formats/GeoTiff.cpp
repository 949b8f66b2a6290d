#include "map/formats/GeoTiff.h"

#include "base/Number.h"
#include "calib/CalibrationFile.h"
#include "geo/Proj.h"
#include "map/formats/GdalRaster.h"
#include "map/formats/ImageHeader.h"
#include "map/formats/MapSource.h"
#include "map/formats/TiffFile.h"
#include "platform/FileIo.h"

#include <geotiff/geo_normalize.h>
#include <geotiff/geotiff.h>
#include <geotiff/geovalues.h>
#include <geotiff/xtiffio.h>
#include <tiffio.h>

#include <cmath>
#include <cstdarg>
#include <filesystem>
#include <memory>

namespace map {

namespace {

// libgeotiff's complaints about damaged keys: the keys it could read still count.
void QuietGeoTiff(GTIF*, int, const char*, ...) {}

struct GtifDeleter {
    void operator()(GTIF* gtif) const { GTIFFree(gtif); }
};

// EPSG codes are 1..32766; 32767 is "user-defined", 0 "not given".
bool IsEpsgCode(unsigned short code) {
    return code > 0 && code < KvUserDefined;
}

// libgeotiff prints the definition's numbers into a fixed buffer: a hostile file's 1e300 would
// overrun it. Numbers of real coordinate systems are far smaller.
bool SaneNumbers(const GTIFDefn& defn) {
    const auto sane = [](double v) { return std::isfinite(v) && std::fabs(v) < 1e9; };
    bool ok = sane(defn.UOMLengthInMeters) && sane(defn.UOMAngleInDegrees) &&
              sane(defn.PMLongToGreenwich) && sane(defn.SemiMajor) && sane(defn.SemiMinor) &&
              defn.nParms >= 0 && defn.nParms <= MAX_GTIF_PROJPARMS && defn.TOWGS84Count >= 0 &&
              defn.TOWGS84Count <= 7;
    for (int i = 0; ok && i < defn.nParms; ++i)
        ok = sane(defn.ProjParm[i]);
    for (int i = 0; ok && i < defn.TOWGS84Count; ++i)
        ok = sane(defn.TOWGS84[i]);
    return ok;
}

// The file's coordinate system for PROJ, or empty with *why.
std::string CrsOf(GTIF* gtif, std::string* why) {
    unsigned short model = 0;
    if (GTIFKeyGetSHORT(gtif, GTModelTypeGeoKey, &model, 0, 1) != 1) {
        *why = "The file has no coordinate system; it opens uncalibrated.";
        return {};
    }
    unsigned short code = 0;
    if (model == ModelTypeProjected &&
        GTIFKeyGetSHORT(gtif, ProjectedCSTypeGeoKey, &code, 0, 1) == 1 && IsEpsgCode(code))
        return "EPSG:" + std::to_string(code);
    if (model == ModelTypeGeographic &&
        GTIFKeyGetSHORT(gtif, GeographicTypeGeoKey, &code, 0, 1) == 1 && IsEpsgCode(code))
        return "EPSG:" + std::to_string(code);
    if (model != ModelTypeProjected && model != ModelTypeGeographic) {
        *why = model == KvUserDefined
                   ? "The file's coordinate system is user-defined and cannot be described; it "
                     "opens uncalibrated."
                   : "The file's coordinate system is neither projected nor geographic; it opens "
                     "uncalibrated.";
        return {};
    }
    // User-defined: described by its keys, as far as libgeotiff can tell PROJ about them.
    std::unique_ptr<GTIFDefn, void (*)(GTIFDefn*)> defn(GTIFAllocDefn(), GTIFFreeDefn);
    std::string crs;
    if (defn && GTIFGetDefn(gtif, defn.get()) && SaneNumbers(*defn) &&
        (model == ModelTypeGeographic || defn->CTProjection != KvUserDefined)) {
        if (char* proj = GTIFGetProj4Defn(defn.get())) {
            crs = proj;
            GTIFFreeMemory(proj);
        }
        // libgeotiff leaves a prime meridian other than Greenwich out of the string.
        if (defn->PMLongToGreenwich != 0.0 && crs.find("+pm=") == std::string::npos)
            crs += " +pm=" + base::FormatShortest(defn->PMLongToGreenwich);
    }
    const char* const undescribed = "The file's coordinate system is user-defined and cannot be "
                                    "described; it opens uncalibrated.";
    if (crs.find("+proj=") == std::string::npos) {
        *why = undescribed;
        return {};
    }
    // libgeotiff's text leaves the datum out: the file's own shift to WGS 84 comes first, as
    // GDAL takes it; else a datum EPSG registers, whose shift PROJ knows.
    while (!crs.empty() && crs.back() == ' ')
        crs.pop_back();
    if ((defn->TOWGS84Count == 3 || defn->TOWGS84Count == 7) &&
        crs.find("+towgs84=") == std::string::npos) {
        crs += " +towgs84=";
        for (int i = 0; i < defn->TOWGS84Count; ++i)
            crs += (i > 0 ? "," : "") + base::FormatShortest(defn->TOWGS84[i]);
        return crs + " +type=crs";
    }
    crs += " +type=crs";
    const bool epsgGcs = IsEpsgCode(static_cast<unsigned short>(defn->GCS));
    const bool epsgDatum = IsEpsgCode(static_cast<unsigned short>(defn->Datum));
    if ((epsgGcs || epsgDatum) && defn->GCS != GCS_WGS_84 && defn->Datum != Datum_WGS84) {
        std::string ignored;
        crs = CrsOnEpsgDatum(crs, epsgGcs ? defn->GCS : 0, epsgDatum ? defn->Datum : 0, &ignored);
        if (crs.empty())
            *why = undescribed;
    }
    return crs;
}

// The affine from raster space (pixel corners: 0 at the top left corner of the image) to the
// grid, gridX = a[0]*i + a[1]*j + a[2], gridY = a[3]*i + a[4]*j + a[5]; false with *why.
bool RasterToGrid(TIFF* tif, std::array<double, 6>* a, std::string* why) {
    std::uint16_t count = 0;
    double* values = nullptr;
    if (TIFFGetField(tif, TIFFTAG_GEOTRANSMATRIX, &count, &values) == 1 && count >= 16) {
        *a = {values[0], values[1], values[3], values[4], values[5], values[7]};
        return true;
    }
    double* ties = nullptr;
    std::uint16_t tieCount = 0;
    double* scale = nullptr;
    std::uint16_t scaleCount = 0;
    const bool tied =
        TIFFGetField(tif, TIFFTAG_GEOTIEPOINTS, &tieCount, &ties) == 1 && tieCount >= 6;
    if (tied && TIFFGetField(tif, TIFFTAG_GEOPIXELSCALE, &scaleCount, &scale) == 1 &&
        scaleCount >= 2) {
        // Rows go down, northings up: the y scale is given positive.
        *a = {scale[0], 0.0,       ties[3] - ties[0] * scale[0],
              0.0,      -scale[1], ties[4] + ties[1] * scale[1]};
        return true;
    }
    *why = tied ? "The file is placed by control points only, which this program does not fit; "
                  "it opens uncalibrated."
                : "The file is not georeferenced; it opens uncalibrated.";
    return false;
}

} // namespace

GeoTiffHeaderResult ReadGeoTiffHeader(int fd) {
    GeoTiffHeaderResult out;
    const std::unique_ptr<TiffFile> file = TiffFile::Open(fd, &out.error);
    if (!file)
        return out;
    TiffLayout layout;
    if (!file->ReadLayout(&layout, &out.error))
        return out;
    GeoTiffHeader header;
    header.width = layout.width;
    header.height = layout.height;
    header.bits = layout.bits;
    std::array<double, 6> raster{};
    std::string why;
    const std::unique_ptr<GTIF, GtifDeleter> gtif(
        GTIFNewEx(file->Handle(), &QuietGeoTiff, nullptr));
    // Ours, not one libgeotiff would make: that one prints PROJ's complaints about unknown codes.
    if (gtif && ThreadProjContext() != nullptr)
        GTIFAttachPROJContext(gtif.get(), ThreadProjContext());
    if (RasterToGrid(file->Handle(), &raster, &why) && gtif)
        header.crs = CrsOf(gtif.get(), &why);
    else if (why.empty())
        why = "The file's GeoKeys cannot be read; it opens uncalibrated.";
    bool finite = true;
    for (double v : raster)
        finite = finite && std::isfinite(v);
    if (!header.crs.empty() && (!finite || raster[0] * raster[4] - raster[1] * raster[3] == 0.0)) {
        header.crs.clear();
        why = "The file's georeference is degenerate; it opens uncalibrated.";
    }
    if (header.crs.empty()) {
        header.warning = why;
        out.header = header;
        return out;
    }
    // The world file gives the centre of the upper left pixel; in raster space that is (0.5, 0.5)
    // when a raster coordinate names a pixel's corner (PixelIsArea, the default), (0, 0) when
    // it names its centre (PixelIsPoint).
    unsigned short rasterType = RasterPixelIsArea;
    GTIFKeyGetSHORT(gtif.get(), GTRasterTypeGeoKey, &rasterType, 0, 1);
    const double shift = rasterType == RasterPixelIsPoint ? 0.0 : 0.5;
    header.worldFile = {raster[0],
                        raster[3],
                        raster[1],
                        raster[4],
                        raster[0] * shift + raster[1] * shift + raster[2],
                        raster[3] * shift + raster[4] * shift + raster[5]};
    out.header = header;
    return out;
}

MapSourceResult ReadGeoTiff(MapSource source, const std::function<bool()>& cancelled) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(source.path, &err);
    if (!fd.Valid())
        return SourceFailure(source.path, platform::ErrorText(err));
    const GeoTiffHeaderResult read = ReadGeoTiffHeader(fd.Get());
    // What the program's own reader cannot show or place (colour planes apart, 16-bit or
    // floating-point samples, control points) or shows only dark (16-bit), GDAL may; a scan the
    // user calibrated by hand keeps that calibration.
    std::error_code ec;
    const bool calibrated =
        std::filesystem::exists(calib::CalibrationFileName(calib::MapBaseName(source.path)), ec);
    if (!read.header || (read.header->crs.empty() && !calibrated) || read.header->bits > 8) {
        MapSource asRaster;
        asRaster.path = source.path;
        MapSourceResult gdal = ReadGdalRaster(std::move(asRaster), cancelled);
        if (gdal.source && (gdal.source->grid || !read.header))
            return gdal;
        if (!read.header)
            return SourceFailure(source.path, read.error);
        if (read.header->bits > 8 && gdal.source)
            return gdal;
    }
    std::string why = read.header->warning;
    if (!read.header->crs.empty()) {
        source.grid = SharedGrid(
            GridGeoreference::FromAffine(read.header->crs, read.header->worldFile, &why,
                                         ImageMiddle(read.header->width, read.header->height)));
        if (source.grid) {
            source.imagePath = source.path;
            source.width = read.header->width;
            source.height = read.header->height;
            return {std::move(source), {}};
        }
        why = "The file's coordinate system cannot be used (" + why + "); it opens uncalibrated.";
    }
    const std::string path = source.path;
    MapSourceResult beside = ReadImageFile(std::move(source), cancelled);
    if (beside.source && beside.source->worldFile.empty() &&
        !std::filesystem::exists(calib::CalibrationFileName(calib::MapBaseName(path)), ec))
        beside.source->warnings.push_back(path + ": " + why);
    return beside;
}

} // namespace map
