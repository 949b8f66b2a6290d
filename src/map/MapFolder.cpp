#include "map/MapFolder.h"

#include "base/Crc32.h"
#include "base/Number.h"
#include "geo/RangeBearing.h"
#include "map/ShownMap.h"
#include "map/formats/MapFormats.h"
#include "platform/FileIo.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <system_error>
#include <thread>

namespace map {

namespace {

namespace fs = std::filesystem;

// 2: outlines follow an edge that spans many degrees of longitude, not only its corners.
constexpr std::string_view kIndexHeader = "QUILO map folder index 2";

// ---- The kept form ------------------------------------------------------------------------

// Paths may hold any byte but the separators of the form.
std::string Escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return out;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

// A relative path that stays inside the folder: no empty, "." or ".." component.
bool StaysInside(std::string_view path) {
    if (path.empty() || path.front() == '/')
        return false;
    for (std::size_t start = 0;;) {
        const std::size_t slash = path.find('/', start);
        const std::string_view part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == ".." ||
            part.find('\0') != std::string_view::npos)
            return false;
        if (slash == std::string_view::npos)
            return true;
        start = slash + 1;
    }
}

// A kind is a short name: "png", "ozi-map/png".
bool KindName(std::string_view kind) {
    return kind.size() <= 64 &&
           std::ranges::all_of(kind, [](char c) { return c > ' ' && c < 0x7F && c != '\\'; });
}

std::optional<FolderMap> ParseFile(std::string_view line, std::string* why) {
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() < 5) {
        *why = "too few fields";
        return std::nullopt;
    }
    FolderMap file;
    const std::optional<std::string> path = Unescape(fields[0]);
    if (!path || !StaysInside(*path)) {
        *why = "a path outside the folder";
        return std::nullopt;
    }
    file.path = *path;
    file.kind = std::string(fields[1] == "-" ? std::string_view() : fields[1]);
    if (!KindName(file.kind)) {
        *why = "a kind that is no name";
        return std::nullopt;
    }
    std::uint64_t signature = 0;
    const auto [end, ec] =
        std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), signature, 16);
    const auto scale = base::ParseExact<double>(fields[3], 0.0, 1e9);
    const auto corners = base::ParseExact<std::size_t>(fields[4], 0, kMaxOutlinePoints);
    if (fields[2].empty() || ec != std::errc{} || end != fields[2].data() + fields[2].size() ||
        !scale || !corners || fields.size() != 5 + 2 * *corners) {
        *why = "a bad number";
        return std::nullopt;
    }
    file.signature = signature;
    file.metresPerPixel = *scale;
    for (std::size_t i = 0; i < *corners; ++i) {
        const auto lat = base::ParseExact<double>(fields[5 + 2 * i], -90.0, 90.0);
        const auto lon = base::ParseExact<double>(fields[6 + 2 * i], -540.0, 540.0);
        if (!lat || !lon) {
            *why = "a corner off the earth";
            return std::nullopt;
        }
        file.outline.emplace_back(*lon, *lat);
    }
    return file;
}

// ---- Reading one map ----------------------------------------------------------------------

// Metres between two nearby positions: over one pixel the earth is flat. The two may lie on
// either side of the 180th meridian.
double NearbyMetres(const MapPos& a, const MapPos& b) {
    const double perDegree = calib::kEarthRadiusMetres * calib::kDegreesToRadians;
    const double dx =
        (LongitudeNear(b.x, a.x) - a.x) * std::cos(a.y * calib::kDegreesToRadians) * perDegree;
    return std::hypot(dx, (b.y - a.y) * perDegree);
}

// The outline and scale of a map of width x height placed by georef; left unplaced when its
// corners or centre fall off the earth.
void Place(const Georeference& georef, double width, double height,
           const std::vector<MapPos>& neatLine, FolderMap& file) {
    if (!georef.HasTransform() || width <= 0 || height <= 0)
        return;
    std::vector<MapPos> outline = neatLine;
    if (outline.size() < 3)
        outline = MapOutline(georef, width, height);
    const MapPos centre(width / 2, height / 2);
    const MapPos at = georef.ToGeo(centre);
    const double across = (NearbyMetres(at, georef.ToGeo(MapPos(centre.x + 1, centre.y))) +
                           NearbyMetres(at, georef.ToGeo(MapPos(centre.x, centre.y + 1)))) /
                          2;
    const bool onEarth = std::ranges::all_of(outline, [](const MapPos& p) {
        return std::isfinite(p.x) && std::isfinite(p.y) && std::abs(p.y) <= 90 &&
               std::abs(p.x) <= 540;
    });
    if (!onEarth || !std::isfinite(across) || across <= 0 || across > 1e9 ||
        outline.size() > kMaxOutlinePoints)
        return;
    file.outline = std::move(outline);
    file.metresPerPixel = across;
}

// Recognises the file at path and, for a map, reads where it lies; *warning says why a map
// could not be read.
void ReadFile(const std::string& path, FolderMap& file, std::string* warning) {
    const RecognisedMap recognised = RecogniseMapFile(path);
    if (recognised.format == nullptr)
        return;
    file.kind = std::string(recognised.format->name);
    // The image a world file places is indexed by itself.
    if (recognised.format->kind == MapFileKind::WorldFile)
        return;
    const ShownMapResult read = ReadShownMap(path);
    if (!read.map) {
        *warning = read.error;
        return;
    }
    file.kind = read.map->Kind();
    // The listing holds the first of a file of several maps; the others are named.
    if (!read.maps.empty()) {
        *warning =
            path + ": it holds " + std::to_string(read.maps.size()) + " maps, listed as its first:";
        for (const MapChoice& choice : read.maps)
            *warning += ' ' + choice.path + " (" + choice.name + ')';
    }
    if (read.calibrated)
        Place(read.map->Georef(), read.map->Width(), read.map->Height(), read.map->Outline(), file);
}

// ---- The folder's files -------------------------------------------------------------------

struct FoundFile {
    std::string path; // relative
    std::string folder;
    std::string lowerName;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
};

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void Mix(std::uint64_t& hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL; // FNV-1a
    }
}

void Mix(std::uint64_t& hash, std::uint64_t value) {
    char bytes[8];
    for (char& b : bytes) {
        b = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    Mix(hash, std::string_view(bytes, sizeof bytes));
}

// Every file under root by relative path, hidden ones and linked folders left out.
std::vector<FoundFile> ListFiles(const fs::path& root, std::vector<std::string>& warnings) {
    std::vector<FoundFile> found;
    std::error_code ec;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path& path = it->path();
        const std::string name = path.filename().string();
        if (name.starts_with('.')) {
            it.disable_recursion_pending();
            continue;
        }
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (found.size() == kMaxFolderFiles) {
            warnings.push_back(root.string() + ": more than " + std::to_string(kMaxFolderFiles) +
                               " files; the rest are left out");
            break;
        }
        FoundFile file;
        file.path = path.lexically_relative(root).generic_string();
        file.folder = path.parent_path().string();
        file.lowerName = Lower(name);
        file.size = static_cast<std::uint64_t>(st.st_size);
        file.mtimeNs =
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        found.push_back(std::move(file));
    }
    if (ec)
        warnings.push_back(root.string() + ": " + ec.message());
    std::ranges::sort(found, {}, &FoundFile::path);
    return found;
}

// The signature of each file: its own size and time and those of the files beside it whose
// names start with its name up to the extension and a dot ("area." for area.png: area.mcd,
// area.pgw, area.prj, area.png.prj), whatever their case.
std::vector<std::uint64_t> Signatures(const std::vector<FoundFile>& files) {
    std::map<std::string_view, std::vector<std::size_t>> byFolder;
    for (std::size_t i = 0; i < files.size(); ++i)
        byFolder[files[i].folder].push_back(i);
    std::vector<std::uint64_t> out(files.size());
    for (auto& [folder, members] : byFolder) {
        std::ranges::sort(members, {},
                          [&](std::size_t i) -> const std::string& { return files[i].lowerName; });
        for (const std::size_t i : members) {
            const std::string& name = files[i].lowerName;
            const std::size_t dot = name.find_last_of('.');
            const std::string prefix =
                dot == std::string::npos || dot == 0 ? name : name.substr(0, dot + 1);
            std::uint64_t hash = 14695981039346656037ULL;
            auto at = std::ranges::lower_bound(members, prefix, {}, [&](std::size_t j) {
                return std::string_view(files[j].lowerName);
            });
            for (; at != members.end() && files[*at].lowerName.starts_with(prefix); ++at) {
                Mix(hash, files[*at].lowerName);
                Mix(hash, files[*at].size);
                Mix(hash, static_cast<std::uint64_t>(files[*at].mtimeNs));
            }
            Mix(hash, files[i].size); // a file without an extension has only itself
            Mix(hash, static_cast<std::uint64_t>(files[i].mtimeNs));
            out[i] = hash;
        }
    }
    return out;
}

std::optional<MapFolderIndex> ReadKeptIndex(const fs::path& indexPath, const std::string& folder) {
    std::string bytes;
    if (!platform::ReadWholeFile(indexPath.string(), bytes, kMaxFolderIndexBytes))
        return std::nullopt;
    std::string ignored;
    std::optional<MapFolderIndex> kept = ParseFolderIndex(bytes, &ignored);
    if (kept && kept->folder != folder)
        return std::nullopt; // two folders whose names hash alike
    return kept;
}

// Which side of the line a->b point lies on: positive on the left.
double Side(const MapPos& a, const MapPos& b, const MapPos& point) {
    return (b.x - a.x) * (point.y - a.y) - (point.x - a.x) * (b.y - a.y);
}

} // namespace

std::string FolderMap::Name() const {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string MapFolderIndex::PathOf(const FolderMap& map) const {
    return folder == "/" ? folder + map.path : folder + '/' + map.path;
}

const FolderMap* MapFolderIndex::Find(std::string_view path) const {
    const std::string prefix = folder == "/" ? folder : folder + '/';
    if (!path.starts_with(prefix))
        return nullptr;
    const std::string_view relative = path.substr(prefix.size());
    const auto it = std::ranges::lower_bound(
        files, relative, {}, [](const FolderMap& f) { return std::string_view(f.path); });
    return it != files.end() && it->path == relative ? &*it : nullptr;
}

std::string FormatFolderIndex(const MapFolderIndex& index) {
    std::string out;
    out.reserve(64 + index.files.size() * 160);
    out += kIndexHeader;
    out += "\nfolder\t" + Escape(index.folder) + '\n';
    char signature[17];
    for (const FolderMap& file : index.files) {
        std::snprintf(signature, sizeof signature, "%016llx",
                      static_cast<unsigned long long>(file.signature));
        out += Escape(file.path) + '\t' + (file.kind.empty() ? std::string("-") : file.kind) +
               '\t' + signature + '\t' + base::FormatShortest(file.metresPerPixel) + '\t' +
               std::to_string(file.outline.size());
        for (const MapPos& corner : file.outline)
            out += '\t' + base::FormatShortest(corner.y) + '\t' + base::FormatShortest(corner.x);
        out += '\n';
    }
    return out;
}

std::optional<MapFolderIndex> ParseFolderIndex(std::string_view bytes, std::string* error) {
    MapFolderIndex index;
    std::size_t lineNumber = 0;
    const auto fail = [&](const std::string& why) {
        *error = "line " + std::to_string(lineNumber) + ": " + why;
        return std::nullopt;
    };
    if (bytes.empty() || bytes.back() != '\n') {
        lineNumber = 1;
        return fail("the index ends early");
    }
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = bytes.find('\n', start);
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (lineNumber == 1) {
            if (line != kIndexHeader)
                return fail("not a map folder index");
            continue;
        }
        if (lineNumber == 2) {
            const std::optional<std::string> folder =
                line.starts_with("folder\t") ? Unescape(line.substr(7)) : std::nullopt;
            if (!folder || folder->empty() || folder->front() != '/')
                return fail("no folder");
            index.folder = *folder;
            continue;
        }
        if (index.files.size() == kMaxFolderFiles)
            return fail("too many files");
        std::string why;
        std::optional<FolderMap> file = ParseFile(line, &why);
        if (!file)
            return fail(why);
        if (!index.files.empty() && !(index.files.back().path < file->path))
            return fail("files out of order");
        index.files.push_back(std::move(*file));
    }
    if (lineNumber < 2)
        return fail("no folder");
    return index;
}

fs::path DefaultFolderIndexCache() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return fs::path(xdg) / "quilo" / "folders";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/')
        return {};
    return fs::path(home) / ".cache" / "quilo" / "folders";
}

IndexedFolder IndexMapFolder(const std::string& folder, const fs::path& cache) {
    IndexedFolder out;
    std::error_code ec;
    const fs::path root = fs::canonical(folder, ec);
    if (ec || !fs::is_directory(root, ec)) {
        out.error = folder + ": " + (ec ? ec.message() : std::string("not a folder"));
        return out;
    }
    MapFolderIndex index;
    index.folder = root.string();
    char name[32];
    std::snprintf(name, sizeof name, "%08x.index", base::Crc32(index.folder));
    const fs::path indexPath = cache.empty() ? fs::path() : cache / name;
    const std::optional<MapFolderIndex> kept =
        cache.empty() ? std::nullopt : ReadKeptIndex(indexPath, index.folder);

    const std::vector<FoundFile> found = ListFiles(root, out.warnings);
    const std::vector<std::uint64_t> signatures = Signatures(found);
    index.files.resize(found.size());
    std::vector<std::size_t> fresh;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const FolderMap* before = kept ? kept->Find((root / found[i].path).string()) : nullptr;
        if (before != nullptr && before->signature == signatures[i]) {
            index.files[i] = *before;
            continue;
        }
        index.files[i].path = found[i].path;
        index.files[i].signature = signatures[i];
        fresh.push_back(i);
    }
    // Most of a read is PROJ looking a grid up in its database: the files are read side by
    // side, each thread with its own PROJ context.
    std::vector<std::string> warnings(found.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t at; (at = next++) < fresh.size();) {
            FolderMap& file = index.files[fresh[at]];
            ReadFile(index.PathOf(file), file, &warnings[fresh[at]]);
        }
    };
    {
        const std::size_t threads = std::min<std::size_t>(
            {fresh.size(), std::max(1u, std::thread::hardware_concurrency()), 8});
        std::vector<std::jthread> pool;
        for (std::size_t t = 1; t < threads; ++t)
            pool.emplace_back(work);
        work();
    }
    for (std::string& warning : warnings)
        if (!warning.empty())
            out.warnings.push_back(std::move(warning));
    out.readAfresh = static_cast<int>(fresh.size());
    if (!cache.empty() && (!kept || *kept != index)) {
        fs::create_directories(cache, ec);
        if (const platform::FileResult written = platform::WriteFileAtomically(
                indexPath.string(), FormatFolderIndex(index), platform::FileOwner::Program);
            !written)
            out.warnings.push_back(written.error);
    }
    out.index = std::move(index);
    return out;
}

bool OutlineHolds(std::span<const MapPos> outline, const MapPos& position) {
    if (outline.size() < 3)
        return false;
    // Longitudes in one run along the edge, each within 180 degrees of the one before, for a map
    // across the 180th meridian or wider than 180 degrees.
    std::vector<MapPos> ring;
    ring.reserve(2 * outline.size() + 3);
    for (const MapPos& p : outline)
        ring.emplace_back(ring.empty() ? p.x : LongitudeNear(p.x, ring.back().x), p.y);
    // An edge that comes back a whole turn east or west of where it started goes round a pole.
    // Its run is taken twice, so that no position lies on the seam between one turn and the
    // next, and closed over that pole, a little beyond it, so that the pole lies inside.
    const double turn = LongitudeNear(ring.front().x, ring.back().x) - ring.front().x;
    if (std::abs(turn) > 180) {
        double latitudes = 0;
        for (const MapPos& p : ring)
            latitudes += p.y;
        const double pole = latitudes >= 0 ? 91 : -91;
        const std::size_t once = ring.size();
        for (std::size_t i = 0; i < once; ++i)
            ring.emplace_back(ring[i].x + turn, ring[i].y);
        const MapPos start = ring.front();
        ring.insert(ring.end(), {MapPos(start.x + 2 * turn, start.y),
                                 MapPos(start.x + 2 * turn, pole), MapPos(start.x, pole)});
    }
    const auto [west, east] = std::ranges::minmax(ring, {}, &MapPos::x);
    // The position a whole turn east or west, wherever the ring's run of longitudes holds it.
    for (double x = LongitudeNear(position.x, west.x + 180) - 360; x <= east.x; x += 360) {
        if (x < west.x)
            continue;
        const MapPos at(x, position.y);
        // Crossings of a ray eastward from position.
        bool inside = false;
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const MapPos& a = ring[i];
            const MapPos& b = ring[j];
            if ((a.y > at.y) != (b.y > at.y) && (Side(a, b, at) > 0) == (b.y > a.y))
                inside = !inside;
        }
        if (inside)
            return true;
    }
    return false;
}

std::vector<const FolderMap*> MapsByDetail(const MapFolderIndex& index,
                                           const std::optional<MapPos>& at) {
    std::vector<const FolderMap*> out;
    for (const FolderMap& file : index.files)
        if (file.Placed() && (!at || OutlineHolds(file.outline, *at)))
            out.push_back(&file);
    std::ranges::stable_sort(out, {}, &FolderMap::metresPerPixel);
    return out;
}

const FolderMap* MapToFollow(const MapFolderIndex& index, std::span<const MapPos> currentOutline,
                             const MapPos& position) {
    if (currentOutline.size() < 3 || OutlineHolds(currentOutline, position))
        return nullptr;
    const std::vector<const FolderMap*> holding = MapsByDetail(index, position);
    return holding.empty() ? nullptr : holding.front();
}

} // namespace map
