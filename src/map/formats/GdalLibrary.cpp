#include "map/formats/GdalLibrary.h"

#include <cpl_conv.h>
#include <cpl_error.h>
#include <cpl_string.h>
#include <gdal.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <vector>

namespace map {

namespace {

// Local files only, each a raster a map may come as (or a picture a VRT may name). MEM is kept
// for GDAL's own use; opening it by name, which would read any address, stays off.
constexpr std::array<std::string_view, 30> kDrivers{
    "GTiff",   "VRT",     "PDF",     "JP2OpenJPEG", "GPKG", "HFA",  "RMF",  "BSB",
    "AAIGrid", "USGSDEM", "SRTMHGT", "DTED",        "EHdr", "ENVI", "GSAG", "GSBG",
    "GS7BG",   "NITF",    "ERS",     "SAGA",        "RST",  "PNG",  "JPEG", "GIF",
    "BMP",     "PNM",     "WEBP",    "Leveller",    "HF2",  "MEM",
};

// A PDF page is rendered at this resolution, lowered for a page whose longer side would then
// pass kMaxPdfSide pixels.
constexpr int kPdfDpi = 300;
// GDAL's, at which it first reports the page's size, unless the file records its own (as GDAL
// writes it), which GDAL then takes and reports as "DPI".
constexpr int kPdfDefaultDpi = 150;
constexpr int kMaxPdfSide = 20000;

// How far and how many files a VRT may name before it is taken for a trap.
constexpr int kMaxVrtDepth = 8;
constexpr std::size_t kMaxVrtFiles = 1000;
constexpr std::streamsize kMaxVrtBytes = 16 << 20;

// The block cache: enough for a few strips of a wide map, bounded whatever the file says.
constexpr GIntBig kCacheBytes = 96LL << 20;

void StartGdal() {
    static std::once_flag once;
    std::call_once(once, [] {
        // GDAL's messages go to the caller as one line, never to the terminal.
        CPLSetErrorHandler(CPLQuietErrorHandler);
        // No URL is ever allowed to the network file systems (/vsicurl/, /vsis3/, ...).
        CPLSetConfigOption("CPL_VSIL_CURL_ALLOWED_FILENAME", "-");
        CPLSetConfigOption("GDAL_HTTP_TIMEOUT", "1");
        CPLSetConfigOption("GDAL_HTTP_MAX_RETRY", "0");
        CPLSetConfigOption("GDAL_VRT_ENABLE_PYTHON", "NO");
        CPLSetConfigOption("GDAL_MEM_ENABLE_OPEN", "NO");
        // Nothing written beside the user's file, no folder listed for side files.
        CPLSetConfigOption("GDAL_PAM_ENABLED", "NO");
        CPLSetConfigOption("GDAL_DISABLE_READDIR_ON_OPEN", "EMPTY_DIR");
        CPLSetConfigOption("CPL_DEBUG", "OFF");
        GDALSetCacheMax64(kCacheBytes);
        GDALAllRegister();
        for (int i = GDALGetDriverCount() - 1; i >= 0; --i) {
            GDALDriverH driver = GDALGetDriver(i);
            const std::string_view name = GDALGetDriverShortName(driver);
            if (std::ranges::find(kDrivers, name) == kDrivers.end()) {
                GDALDeregisterDriver(driver);
                GDALDestroyDriver(driver);
            }
        }
    });
}

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// The names in <tag>...</tag> of a VRT's text, resolved against folder when the element says
// relativeToVRT="1".
void NamedFiles(const std::string& text, std::string_view tag, const std::filesystem::path& folder,
                std::vector<std::filesystem::path>* out) {
    const std::string open = "<" + std::string(tag);
    const std::string close = "</" + std::string(tag) + ">";
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + 1)) {
        const std::size_t end = text.find('>', at);
        if (end == std::string::npos)
            return;
        const std::size_t stop = text.find(close, end);
        if (stop == std::string::npos)
            return;
        const std::string attributes = text.substr(at, end - at);
        std::filesystem::path name = text.substr(end + 1, stop - end - 1);
        const bool relative = attributes.find("relativeToVRT=\"1\"") != std::string::npos ||
                              attributes.find("relativeToVRT='1'") != std::string::npos;
        out->push_back(relative || name.is_relative() ? folder / name : name);
    }
}

bool CheckVrt(const std::filesystem::path& path, int depth, std::size_t* files, std::string* why) {
    if (++*files > kMaxVrtFiles || depth > kMaxVrtDepth) {
        *why = "it names too many files, or itself";
        return false;
    }
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return true; // GDAL finds nothing there either
    const std::string real = std::filesystem::weakly_canonical(path, ec).string();
    if (!std::filesystem::is_regular_file(status) || real.starts_with("/proc/") ||
        real.starts_with("/sys/")) {
        *why = "it names " + path.string() + ", which is no file";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::string text(static_cast<std::size_t>(kMaxVrtBytes), '\0');
    in.read(text.data(), kMaxVrtBytes);
    text.resize(static_cast<std::size_t>(in.gcount()));
    const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    if (first == std::string::npos || text.compare(first, 11, "<VRTDataset") != 0)
        return true;
    const std::string lower = Lower(text);
    // Character references could spell any of these; a real VRT needs none.
    for (const std::string_view banned :
         {"/vsi", "://", ":::", "&#", "pixelfunctionlanguage", "pixelfunctioncode"}) {
        if (lower.find(banned) != std::string::npos) {
            *why = "it names \"" + std::string(banned) + "\", which is no local file";
            return false;
        }
    }
    std::vector<std::filesystem::path> named;
    const std::filesystem::path folder = path.parent_path();
    for (const std::string_view tag : {"SourceFilename", "SourceDataset"})
        NamedFiles(text, tag, folder, &named);
    return std::ranges::all_of(named, [&](const std::filesystem::path& name) {
        return CheckVrt(name, depth + 1, files, why);
    });
}

GdalDataset Open(const std::string& path, const char* const* options) {
    const unsigned flags = GDAL_OF_RASTER | GDAL_OF_READONLY | GDAL_OF_VERBOSE_ERROR;
    std::vector<const char*> drivers;
    for (const std::string_view name : kDrivers)
        if (name != "MEM")
            drivers.push_back(name.data());
    drivers.push_back(nullptr);
    CPLErrorReset();
    return GdalDataset(GDALOpenEx(path.c_str(), flags, drivers.data(), options, nullptr));
}

} // namespace

void GdalDatasetCloser::operator()(void* dataset) const {
    GDALClose(static_cast<GDALDatasetH>(dataset));
}

std::span<const std::string_view> GdalDriverNames() {
    return kDrivers;
}

std::string GdalReason(std::string_view fallback) {
    std::string reason = CPLGetLastErrorType() >= CE_Warning ? CPLGetLastErrorMsg() : "";
    reason = reason.substr(0, reason.find_first_of("\r\n"));
    while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back())))
        reason.pop_back();
    return reason.empty() ? std::string(fallback) : reason;
}

bool NamesOnlyLocalFiles(const std::string& path, std::string* why) {
    std::size_t files = 0;
    return CheckVrt(path, 0, &files, why);
}

GdalDataset OpenGdalRaster(const std::string& given, std::string* error) {
    StartGdal();
    const base::ChosenMap chosen = base::SplitChosenMap(given);
    // An absolute path is a file name to every driver, never a "DRIVER:..." connection text.
    std::error_code ec;
    const std::string file = std::filesystem::absolute(chosen.file, ec).lexically_normal().string();
    if (ec || file.empty() || file.front() != '/') {
        *error = "its path cannot be made absolute";
        return nullptr;
    }
    if (!NamesOnlyLocalFiles(file, error))
        return nullptr;
    GdalDataset dataset = Open(file, nullptr);
    if (!dataset) {
        *error = GdalReason("GDAL cannot read it");
        return nullptr;
    }
    std::string path = file;
    if (chosen.index > 0) {
        // GDAL names each map of the file by a driver's prefix and the file's own path.
        const std::string key = "SUBDATASET_" + std::to_string(chosen.index) + "_NAME";
        const char* name = GDALGetMetadataItem(dataset.get(), key.c_str(), "SUBDATASETS");
        if (name == nullptr || std::string_view(name).find(file) == std::string_view::npos) {
            *error = "it holds no map " + std::to_string(chosen.index);
            return nullptr;
        }
        path = name;
        dataset = Open(path, nullptr);
        if (!dataset) {
            *error = GdalReason("GDAL cannot read it");
            return nullptr;
        }
    }
    GDALDriverH driver = GDALGetDatasetDriver(dataset.get());
    if (driver != nullptr && std::string_view(GDALGetDriverShortName(driver)) == "PDF") {
        const int side =
            std::max(GDALGetRasterXSize(dataset.get()), GDALGetRasterYSize(dataset.get()));
        const char* reported = GDALGetMetadataItem(dataset.get(), "DPI", nullptr);
        double opened = reported != nullptr ? CPLAtof(reported) : 0.0;
        if (!(opened >= 1.0 && opened <= 10000.0))
            opened = kPdfDefaultDpi;
        const int dpi =
            std::clamp(static_cast<int>(kMaxPdfSide * opened / std::max(side, 1)), 1, kPdfDpi);
        const std::string option = "DPI=" + std::to_string(dpi);
        const std::array<const char*, 2> options{option.c_str(), nullptr};
        dataset = Open(path, options.data());
        if (!dataset) {
            *error = GdalReason("GDAL cannot render it");
            return nullptr;
        }
    }
    char** list = GDALGetFileList(dataset.get());
    bool local = true;
    for (char** name = list; name != nullptr && *name != nullptr; ++name)
        local = local && !std::string_view(*name).starts_with("/vsi");
    CSLDestroy(list);
    if (!local) {
        *error = "it names a file that is no local file";
        return nullptr;
    }
    if (GDALGetRasterCount(dataset.get()) < 1 || GDALGetRasterXSize(dataset.get()) < 1 ||
        GDALGetRasterYSize(dataset.get()) < 1) {
        *error = "it holds no raster";
        return nullptr;
    }
    return dataset;
}

} // namespace map
