#include "map/tiles/TileSource.h"

#include "base/Number.h"
#include "base/Text.h"
#include "map/pyramid/WebMercator.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <sstream>

namespace map {

namespace fs = std::filesystem;

namespace {

// A definition is a few lines; anything longer is no definition.
constexpr std::size_t kMostDefinitionBytes = 64 * 1024;
constexpr std::size_t kMostValueBytes = 4096;
constexpr std::size_t kMostSubdomains = 16;

constexpr std::string_view kBlanks = " \t\r";

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<std::pair<int, int>> ParseZooms(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto low = base::ParseExact<int>(base::Trim(text.substr(0, dash), kBlanks));
    const auto high = base::ParseExact<int>(base::Trim(text.substr(dash + 1), kBlanks));
    if (!low || !high)
        return std::nullopt;
    return std::pair{*low, *high};
}

std::vector<std::string> SplitList(std::string_view text) {
    std::vector<std::string> out;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const std::string_view item = base::Trim(text.substr(0, comma), kBlanks);
        if (!item.empty())
            out.emplace_back(item);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return out;
}

// The host of an http(s) address (lowercase, without port), or "" when it is none.
std::string HostOf(std::string_view url) {
    const auto scheme = url.find("://");
    if (scheme == std::string_view::npos)
        return {};
    std::string_view rest = url.substr(scheme + 3);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (rest.starts_with('['))
        return Lower(rest.substr(0, rest.find(']') + 1));
    return Lower(rest.substr(0, rest.find(':')));
}

std::string QuadKey(int zoom, int column, int row) {
    std::string key;
    for (int i = zoom; i > 0; --i) {
        const int mask = 1 << (i - 1);
        key += static_cast<char>('0' + ((column & mask) ? 1 : 0) + ((row & mask) ? 2 : 0));
    }
    return key;
}

std::string FormatMetres(double value) {
    return base::FormatShortestFixed(value);
}

std::string MimeOf(std::string_view format) {
    if (format == "jpg")
        return "image/jpeg";
    return "image/" + std::string(format);
}

} // namespace

std::string_view ProtocolName(TileProtocol protocol) {
    switch (protocol) {
    case TileProtocol::Xyz:
        return "xyz";
    case TileProtocol::Tms:
        return "tms";
    case TileProtocol::Wmts:
        return "wmts";
    case TileProtocol::Wms:
        return "wms";
    }
    return "xyz";
}

std::string CheckTileUrl(std::string_view url, const TileSourceDef& source) {
    const auto colon = url.find("://");
    const std::string scheme = Lower(url.substr(0, colon == std::string_view::npos ? 0 : colon));
    if (scheme != "http" && scheme != "https")
        return "only http and https addresses are fetched, not '" + std::string(url.substr(0, 40)) +
               "'";
    for (const char c : url)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F)
            return "the address holds a blank or a control character";
    std::string_view authority = url.substr(colon + 3);
    authority = authority.substr(0, authority.find_first_of("/?#"));
    if (authority.empty())
        return "the address names no host";
    if (authority.find('@') != std::string_view::npos)
        return "the address holds a user name or password";
    // Only {s} may change the host: a template must not send its requests to hosts it chooses.
    const bool xyz = source.protocol == TileProtocol::Xyz || source.protocol == TileProtocol::Tms;
    static constexpr std::array kPlaceholders = {"{z}", "{x}", "{y}", "{-y}", "{quadkey}", "{s}"};
    for (std::size_t at = url.find('{'); at != std::string_view::npos; at = url.find('{', at + 1)) {
        const auto close = url.find('}', at);
        const std::string_view name = url.substr(
            at, close == std::string_view::npos ? std::string_view::npos : close - at + 1);
        const bool known =
            std::find(kPlaceholders.begin(), kPlaceholders.end(), name) != kPlaceholders.end();
        if (!xyz || !known)
            return "unknown placeholder '" + std::string(name.substr(0, 20)) + "' in the address";
        const bool inHost = at >= colon + 3 && at < colon + 3 + authority.size();
        if (inHost && name != "{s}")
            return "only {s} may change the host of the address";
    }
    const auto has = [&](std::string_view name) {
        return url.find(name) != std::string_view::npos;
    };
    if (has("{s}") && source.subdomains.empty())
        return "the address uses {s} but the definition lists no subdomains";
    if (xyz && !has("{quadkey}") && !(has("{z}") && has("{x}") && (has("{y}") || has("{-y}"))))
        return "the address needs {z}, {x} and {y} (or {-y}, or {quadkey})";
    return {};
}

TileSourceResult ParseTileSource(std::string_view text, std::string id) {
    TileSourceResult out;
    if (text.size() > kMostDefinitionBytes) {
        out.error = "the definition is longer than a definition can be";
        return out;
    }
    TileSourceDef def;
    def.id = std::move(id);
    def.name = def.id;
    std::map<std::string, int> seen;
    int lineNumber = 0;
    const auto fail = [&](std::string why) {
        out.error = "line " + std::to_string(lineNumber) + ": " + std::move(why);
        return out;
    };
    while (!text.empty()) {
        ++lineNumber;
        const auto end = text.find('\n');
        std::string_view line = base::Trim(text.substr(0, end), kBlanks);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string_view::npos)
            return fail("no '=' after the key");
        const std::string key = Lower(base::Trim(line.substr(0, equals), kBlanks));
        const std::string_view value = base::Trim(line.substr(equals + 1), kBlanks);
        if (value.size() > kMostValueBytes)
            return fail("the value of " + key + " is too long");
        if (seen[key]++ > 0)
            return fail(key + " is given twice");
        if (key == "name") {
            def.name = value;
        } else if (key == "type") {
            const std::string type = Lower(value);
            if (type == "xyz")
                def.protocol = TileProtocol::Xyz;
            else if (type == "tms")
                def.protocol = TileProtocol::Tms;
            else if (type == "wmts")
                def.protocol = TileProtocol::Wmts;
            else if (type == "wms")
                def.protocol = TileProtocol::Wms;
            else
                return fail("type must be xyz, tms, wmts or wms");
        } else if (key == "url") {
            def.url = value;
        } else if (key == "subdomains") {
            def.subdomains = SplitList(value);
            if (def.subdomains.size() > kMostSubdomains)
                return fail("more than 16 subdomains");
            for (const std::string& s : def.subdomains)
                if (s.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") !=
                    std::string::npos)
                    return fail("a subdomain may hold only letters, digits and '-'");
        } else if (key == "zoom") {
            const auto zooms = ParseZooms(value);
            if (!zooms || zooms->first < 0 || zooms->first > zooms->second ||
                zooms->second > kMostTileZoom)
                return fail("zoom must be MIN-MAX with 0 <= MIN <= MAX <= 22");
            def.minZoom = zooms->first;
            def.maxZoom = zooms->second;
        } else if (key == "format") {
            def.format = Lower(value);
            if (def.format == "jpeg")
                def.format = "jpg";
            if (def.format != "png" && def.format != "jpg" && def.format != "webp")
                return fail("format must be png, jpg or webp");
        } else if (key == "tile-size") {
            if (value != "256")
                return fail("only tiles of 256 pixels are read");
        } else if (key == "attribution") {
            def.attribution = value;
        } else if (key == "policy") {
            def.policy = value;
        } else if (key == "bulk") {
            const std::string bulk = Lower(value);
            if (bulk != "allowed" && bulk != "forbidden")
                return fail("bulk must be allowed or forbidden");
            def.bulk.allowed = bulk == "allowed";
        } else if (key == "bulk-max-tiles") {
            const auto count = base::ParseExact<long long>(value);
            if (!count || *count < 1)
                return fail("bulk-max-tiles must be a count of at least 1");
            def.bulk.maxTiles = *count;
        } else if (key == "bulk-max-zoom") {
            const auto zoom = base::ParseExact<int>(value, 0, kMostTileZoom);
            if (!zoom)
                return fail("bulk-max-zoom must be a zoom from 0 to 22");
            def.bulk.maxZoom = *zoom;
        } else if (key == "layer") {
            def.layer = value;
        } else if (key == "style") {
            def.style = value;
        } else if (key == "matrix-set") {
            def.matrixSet = value;
        } else {
            return fail("unknown key '" + key.substr(0, 40) + "'");
        }
    }
    lineNumber = 0;
    if (def.url.empty()) {
        out.error = "the definition has no url";
        return out;
    }
    if (std::string why = CheckTileUrl(def.url, def); !why.empty()) {
        out.error = std::move(why);
        return out;
    }
    if ((def.protocol == TileProtocol::Wms || def.protocol == TileProtocol::Wmts) &&
        def.layer.empty()) {
        out.error = "a wms or wmts source needs a layer";
        return out;
    }
    out.source = std::move(def);
    return out;
}

std::vector<std::string> TileSourceFolders() {
    std::vector<std::string> out;
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data != nullptr && data[0] == '/')
        out.push_back(std::string(data) + "/quilo/tiles");
    else if (home != nullptr && home[0] == '/')
        out.push_back(std::string(home) + "/.local/share/quilo/tiles");
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        out.push_back((program.parent_path().parent_path() / "share/quilo/tiles").string());
        out.push_back((program.parent_path() / "tiles").string());
    }
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::string_view list =
        dirs != nullptr && dirs[0] != '\0' ? dirs : "/usr/local/share:/usr/share";
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::string_view dir = list.substr(0, colon);
        if (dir.starts_with('/'))
            out.push_back(std::string(dir) + "/quilo/tiles");
        if (colon == std::string_view::npos)
            break;
        list.remove_prefix(colon + 1);
    }
    return out;
}

TileSourceResult ReadTileSourceFile(const std::string& file) {
    const fs::path path(file);
    TileSourceResult out;
    std::ifstream in(path, std::ios::binary);
    std::string text(kMostDefinitionBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || (!in.eof() && !in)) {
        out.error = path.string() + ": cannot be read";
        return out;
    }
    text.resize(static_cast<std::size_t>(in.gcount()));
    out = ParseTileSource(text, path.stem().string());
    if (!out.source)
        out.error = path.string() + ": " + out.error;
    return out;
}

std::vector<TileSourceDef> ListTileSources(const std::vector<std::string>& folders,
                                           std::vector<std::string>* problems) {
    std::vector<TileSourceDef> out;
    for (const std::string& folder : folders) {
        std::error_code ec;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".tiles" && it->is_regular_file(ec))
                files.push_back(it->path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            const std::string id = file.stem().string();
            if (std::any_of(out.begin(), out.end(), [&](const auto& d) { return d.id == id; }))
                continue;
            TileSourceResult read = ReadTileSourceFile(file.string());
            if (read.source)
                out.push_back(std::move(*read.source));
            else if (problems != nullptr)
                problems->push_back(read.error);
        }
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const auto& a, const auto& b) { return a.name < b.name; });
    return out;
}

TileSourceResult FindTileSource(std::string_view nameOrUrl, const std::vector<std::string>& folders,
                                std::string* found) {
    TileSourceResult out;
    if (nameOrUrl.find("://") == std::string_view::npos) {
        if (nameOrUrl.empty() || nameOrUrl.find('/') != std::string_view::npos ||
            nameOrUrl.starts_with('.')) {
            out.error = "'" + std::string(nameOrUrl) + "' names no tile source";
            return out;
        }
        for (const std::string& folder : folders) {
            const fs::path file = fs::path(folder) / (std::string(nameOrUrl) + ".tiles");
            std::error_code ec;
            if (fs::is_regular_file(file, ec)) {
                if (found != nullptr)
                    *found = file.string();
                return ReadTileSourceFile(file.string());
            }
        }
        out.error = "no tile source '" + std::string(nameOrUrl) + "' (a definition file " +
                    std::string(nameOrUrl) + ".tiles in " +
                    (folders.empty() ? std::string("no folder") : folders.front()) + ")";
        return out;
    }
    TileSourceDef def;
    def.url = nameOrUrl;
    def.name = HostOf(nameOrUrl);
    def.maxZoom = 19;
    if (std::string why = CheckTileUrl(def.url, def); !why.empty()) {
        out.error = std::move(why);
        return out;
    }
    // The cache file's name: the host, and a hash that tells two templates of one host apart.
    std::size_t hash = 14695981039346656037ULL;
    for (const char c : nameOrUrl)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    std::ostringstream id;
    id << def.name << '-' << std::hex << (hash & 0xFFFFFFFFu);
    def.id = id.str();
    std::replace_if(
        def.id.begin(), def.id.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.'; },
        '_');
    // A known server keeps its terms however it is named.
    for (const TileSourceDef& known : ListTileSources(folders)) {
        if (HostOf(known.url) == def.name ||
            (!known.subdomains.empty() &&
             std::any_of(known.subdomains.begin(), known.subdomains.end(), [&](const auto& s) {
                 std::string host = HostOf(known.url);
                 const auto at = host.find("{s}");
                 if (at != std::string::npos)
                     host.replace(at, 3, s);
                 return host == def.name;
             }))) {
            def.attribution = known.attribution;
            def.policy = known.policy;
            def.bulk = known.bulk;
            break;
        }
    }
    out.source = std::move(def);
    return out;
}

std::string TileUrl(const TileSourceDef& source, int zoom, int column, int row) {
    const int flipped = (1 << zoom) - 1 - row;
    if (source.protocol == TileProtocol::Wms) {
        const double size = 2.0 * kMercatorHalf / std::ldexp(1.0, zoom);
        const double west = -kMercatorHalf + column * size;
        const double north = kMercatorHalf - row * size;
        std::string url = source.url;
        if (url.find('?') == std::string::npos)
            url += '?';
        else if (url.back() != '?' && url.back() != '&')
            url += '&';
        url += "SERVICE=WMS&VERSION=1.3.0&REQUEST=GetMap&LAYERS=" + source.layer +
               "&STYLES=" + source.style + "&CRS=EPSG:3857&BBOX=" + FormatMetres(west) + "," +
               FormatMetres(north - size) + "," + FormatMetres(west + size) + "," +
               FormatMetres(north) + "&WIDTH=256&HEIGHT=256&FORMAT=" + MimeOf(source.format);
        return url;
    }
    std::string url;
    const std::string_view in = source.url;
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '{') {
            url += in[i];
            continue;
        }
        const auto close = in.find('}', i);
        const std::string_view name = in.substr(i, close - i + 1);
        i = close;
        if (name == "{z}") {
            const auto z = static_cast<std::size_t>(zoom);
            url += z < source.matrices.size() ? source.matrices[z] : std::to_string(zoom);
        } else if (name == "{x}") {
            url += std::to_string(column);
        } else if (name == "{y}") {
            url += std::to_string(source.protocol == TileProtocol::Tms ? flipped : row);
        } else if (name == "{-y}") {
            url += std::to_string(flipped);
        } else if (name == "{quadkey}") {
            url += QuadKey(zoom, column, row);
        } else if (name == "{s}" && !source.subdomains.empty()) {
            url +=
                source
                    .subdomains[static_cast<std::size_t>(column + row) % source.subdomains.size()];
        }
    }
    return url;
}

std::string BulkRefusal(const TileSourceDef& source, long long count, int maxZoom) {
    const std::string words =
        source.policy.empty() ? std::string() : " (its terms: " + source.policy + ")";
    if (!source.bulk.allowed)
        return source.name + " does not allow saving areas" + words;
    if (source.bulk.maxZoom >= 0 && maxZoom > source.bulk.maxZoom)
        return source.name + " allows saving areas only up to zoom " +
               std::to_string(source.bulk.maxZoom) + words;
    if (source.bulk.maxTiles > 0 && count > source.bulk.maxTiles)
        return source.name + " allows saving at most " + std::to_string(source.bulk.maxTiles) +
               " tiles at a time" + words;
    return {};
}

} // namespace map
