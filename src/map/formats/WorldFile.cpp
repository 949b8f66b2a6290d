#include "map/formats/WorldFile.h"

#include "base/Number.h"
#include "base/Text.h"
#include "calib/GridModel.h"
#include "geo/Proj.h"
#include "map/formats/MapSource.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace map {

namespace {

// Beyond the size of the earth in any unit a grid uses.
constexpr double kMaxValue = 1e12;

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// path split at the last dot of its file name: ("/m/scan", "jpg"); no extension: (path, "").
std::pair<std::string_view, std::string_view> SplitExtension(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {path, {}};
    return {path.substr(0, dot), path.substr(dot + 1)};
}

} // namespace

std::optional<WorldFileValues> ParseWorldFile(std::string_view bytes, std::string* error) {
    if (bytes.size() > kMaxWorldFileBytes) {
        *error = "too large for a world file";
        return std::nullopt;
    }
    WorldFileValues values{};
    std::size_t count = 0;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        const std::string_view line = base::Trim(bytes.substr(0, end), " \t\r");
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.empty())
            continue;
        const std::optional<double> value = base::ParseExact<double>(base::SkipPlus(line));
        if (count == values.size() || !value || !std::isfinite(*value) ||
            std::abs(*value) > kMaxValue) {
            *error = count == values.size()
                         ? "more than six values"
                         : "\"" + std::string(line.substr(0, 40)) + "\" is not a usable number";
            return std::nullopt;
        }
        values[count++] = *value;
    }
    if (count < values.size()) {
        *error = "fewer than six values";
        return std::nullopt;
    }
    const double area = values[0] * values[3] - values[1] * values[2];
    if (!std::isnormal(area)) {
        *error = "its pixels have no area";
        return std::nullopt;
    }
    return values;
}

std::optional<std::string> PrjDefinition(std::string_view text, std::string* error) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    text = base::Trim(text, " \t\r\n");
    const auto bracket = text.find('[');
    const bool keyword =
        bracket != std::string_view::npos && bracket > 0 &&
        std::all_of(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(bracket), [](char c) {
            return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        });
    if (text.size() > kMaxPrjBytes || !keyword || !text.ends_with(']')) {
        *error = "not a WKT definition of a coordinate reference system";
        return std::nullopt;
    }
    return std::string(text);
}

std::vector<std::string> WorldFileNames(std::string_view imagePath) {
    const auto [base, extension] = SplitExtension(imagePath);
    std::vector<std::string> names;
    if (extension.size() >= 2)
        names.push_back(std::string(base) + '.' + extension.front() + extension.back() + 'w');
    if (!extension.empty())
        names.push_back(std::string(imagePath) + 'w');
    names.push_back(std::string(base) + ".wld");
    return names;
}

std::vector<std::string> ImageNamesOfWorldFile(std::string_view worldFilePath) {
    const auto [base, extension] = SplitExtension(worldFilePath);
    const std::string lower = Lower(extension);
    std::vector<std::string_view> images;
    if (lower == "jgw" || lower == "jpgw")
        images = {"jpg", "jpeg"};
    else if (lower == "jpegw")
        images = {"jpeg"};
    else if (lower == "pgw" || lower == "pngw")
        images = {"png"};
    else if (lower == "gfw" || lower == "gifw")
        images = {"gif"};
    else if (lower == "bpw" || lower == "bmpw")
        images = {"bmp"};
    else if (lower == "tfw" || lower == "tifw")
        images = {"tif", "tiff"};
    else if (lower == "tiffw")
        images = {"tiff"};
    else
        images = {"jpg", "jpeg", "png", "gif", "bmp", "tif", "tiff"};
    std::vector<std::string> names;
    for (const std::string_view image : images)
        names.push_back(std::string(base) + '.' + std::string(image));
    return names;
}

bool WritePrj(const std::string& imagePath, std::string_view grid, std::string* error) {
    const std::optional<GridModel> model = GridModel::Parse(grid, error);
    if (!model)
        return false;
    if (model->kind != GridKind::Named) {
        *error = std::string(grid) + ": a world file needs a named grid (a UTM zone, an EPSG code)";
        return false;
    }
    const std::string wkt = CrsEsriWkt(model->crs, error);
    if (wkt.empty())
        return false;
    const platform::FileResult written = platform::WriteFileAtomically(PrjNames(imagePath)[0], wkt);
    if (!written)
        *error = written.error;
    return written.ok;
}

std::vector<std::string> PrjNames(std::string_view imagePath) {
    return {std::string(SplitExtension(imagePath).first) + ".prj", std::string(imagePath) + ".prj"};
}

std::string FindFileIgnoringCase(const std::vector<std::string>& names) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (const std::string& name : names)
        if (fs::is_regular_file(name, ec))
            return name;
    for (const std::string& name : names) {
        const fs::path path(name);
        const std::string wanted = Lower(path.filename().native());
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (Lower(it->path().filename().native()) == wanted && it->is_regular_file(ec))
                return it->path();
    }
    return {};
}

MapSourceResult PlaceByWorldFile(MapSource source, const std::string& worldPath) {
    std::string bytes;
    if (const auto read = platform::ReadWholeFile(worldPath, bytes, kMaxWorldFileBytes); !read)
        return {std::nullopt, read.error};
    std::string error;
    const std::optional<WorldFileValues> values = ParseWorldFile(bytes, &error);
    if (!values)
        return SourceFailure(worldPath, error);
    source.worldFile = worldPath;
    const std::string prjPath = FindFileIgnoringCase(PrjNames(source.imagePath));
    if (prjPath.empty()) {
        source.warnings.push_back(worldPath + ": no .prj beside it names the grid");
        return {std::move(source), {}};
    }
    std::string prj;
    if (const auto read = platform::ReadWholeFile(prjPath, prj, kMaxPrjBytes); !read)
        return {std::nullopt, read.error};
    const std::optional<std::string> wkt = PrjDefinition(prj, &error);
    if (wkt)
        source.grid = SharedGrid(GridGeoreference::FromAffine(*wkt, *values, &error,
                                                              ImageMiddle(source.imagePath, *wkt)));
    if (!source.grid)
        return SourceFailure(prjPath, error);
    return {std::move(source), {}};
}

MapSourceResult ReadWorldFileMap(MapSource source, const std::function<bool()>&) {
    const std::string image = FindFileIgnoringCase(ImageNamesOfWorldFile(source.path));
    if (image.empty())
        return SourceFailure(source.path, "no image beside it");
    const std::string world = source.path;
    source.imagePath = image;
    return PlaceByWorldFile(std::move(source), world);
}

} // namespace map
