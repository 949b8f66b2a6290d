#include "map/tiles/WmtsCapabilities.h"

#include "base/Number.h"
#include "base/Text.h"
#include "map/pyramid/WebMercator.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileFetcher.h"
#include "xml/XmlReader.h"

#include <cmath>
#include <vector>

namespace map {

namespace {

constexpr std::size_t kMostDocumentBytes = std::size_t{8} << 20;
constexpr std::size_t kMostLayers = 10000;
constexpr std::size_t kMostSets = 1000;
constexpr std::size_t kMostMatrices = 64;
// The scale denominator of zoom 0 in Web Mercator at 0.28 mm a pixel.
constexpr double kZoom0Scale = 559082264.0287178;

struct Matrix {
    std::string id;
    double scale = 0.0;
    std::string topLeft;
    std::string width;
    std::string height;
};

struct MatrixSet {
    std::string id;
    std::string crs;
    std::vector<Matrix> matrices;
};

struct ResourceUrl {
    std::string format;
    std::string type;
    std::string url;
};

struct Layer {
    std::string id;
    std::string style;
    std::vector<std::string> sets;
    std::vector<ResourceUrl> urls;
};

class CapsHandler final : public xml::Handler {
public:
    std::vector<Layer> layers;
    std::vector<MatrixSet> sets;
    std::string kvp;

    std::string Start(const xml::Name& name, const xml::Attributes& attributes) override {
        const std::string parent = stack_.empty() ? "" : stack_.back();
        stack_.emplace_back(name.local);
        if (name.local == "Operation")
            operationGetTile_ = attributes.Find("name").value_or("") == "GetTile";
        if (name.local == "Layer" && parent == "Contents") {
            if (layers.size() >= kMostLayers)
                return "more layers than a document can have";
            layers.emplace_back();
        } else if (name.local == "TileMatrixSet" && parent == "Contents") {
            if (sets.size() >= kMostSets)
                return "more tile matrix sets than a document can have";
            sets.emplace_back();
        } else if (name.local == "TileMatrix" && parent == "TileMatrixSet" && !sets.empty()) {
            if (sets.back().matrices.size() >= kMostMatrices)
                return "more tile matrices than a set can have";
            sets.back().matrices.emplace_back();
        } else if (name.local == "ResourceURL" && parent == "Layer" && !layers.empty()) {
            layers.back().urls.push_back({std::string(attributes.Find("format").value_or("")),
                                          std::string(attributes.Find("resourceType").value_or("")),
                                          std::string(attributes.Find("template").value_or(""))});
        } else if (name.local == "Style" && parent == "Layer" && !layers.empty()) {
            defaultStyle_ = attributes.Find("isDefault").value_or("") == "true";
        } else if (name.local == "Get" && InGetTile() && kvp.empty()) {
            kvpHref_ = attributes.Find("http://www.w3.org/1999/xlink|href")
                           .value_or(attributes.Find("href").value_or(""));
        }
        return {};
    }

    std::string End(const xml::Name& name, std::string_view raw) override {
        stack_.pop_back();
        const std::string_view parent =
            stack_.empty() ? std::string_view() : std::string_view(stack_.back());
        const std::string text(base::Trim(raw, " \t\r\n"));
        if (name.local == "Identifier") {
            if (parent == "Layer" && !layers.empty())
                layers.back().id = text;
            else if (parent == "TileMatrixSet" && !sets.empty() && Grand() == "Contents")
                sets.back().id = text;
            else if (parent == "TileMatrix" && !sets.empty() && !sets.back().matrices.empty())
                sets.back().matrices.back().id = text;
            else if (parent == "Style" && !layers.empty() &&
                     (defaultStyle_ || layers.back().style.empty()))
                layers.back().style = text;
        } else if (name.local == "TileMatrixSet" && parent == "TileMatrixSetLink" &&
                   !layers.empty() && layers.back().sets.size() < kMostSets) {
            layers.back().sets.push_back(text);
        } else if (name.local == "SupportedCRS" && parent == "TileMatrixSet" && !sets.empty()) {
            sets.back().crs = text;
        } else if (parent == "TileMatrix" && !sets.empty() && !sets.back().matrices.empty()) {
            Matrix& m = sets.back().matrices.back();
            if (name.local == "ScaleDenominator")
                m.scale = base::ParseExact<double>(text).value_or(0.0);
            else if (name.local == "TopLeftCorner")
                m.topLeft = text;
            else if (name.local == "TileWidth")
                m.width = text;
            else if (name.local == "TileHeight")
                m.height = text;
        } else if (name.local == "Value" && InGetTile() && text == "KVP" && kvp.empty()) {
            kvp = kvpHref_;
        } else if (name.local == "Get" && InGetTile() && kvp.empty() && !getHasConstraint_) {
            // A Get without an encoding constraint serves KVP.
            kvp = kvpHref_;
        }
        if (name.local == "Constraint")
            getHasConstraint_ = true;
        if (name.local == "Get")
            getHasConstraint_ = false;
        return {};
    }

private:
    bool InGetTile() const {
        for (const std::string& element : stack_)
            if (element == "Operation")
                return operationGetTile_;
        return false;
    }
    std::string_view Grand() const {
        return stack_.size() >= 2 ? std::string_view(stack_[stack_.size() - 2]) : "";
    }

private:
    std::vector<std::string> stack_;
    bool defaultStyle_ = false;
    bool operationGetTile_ = false;
    bool getHasConstraint_ = false;
    std::string kvpHref_;
};

std::string HostOf(std::string_view url) {
    const auto scheme = url.find("://");
    if (scheme == std::string_view::npos)
        return {};
    std::string_view rest = url.substr(scheme + 3);
    return std::string(rest.substr(0, rest.find_first_of("/?#")));
}

bool IsWebMercator(std::string_view crs) {
    return crs.ends_with(":3857") || crs.ends_with(":900913") || crs.ends_with(":3785") ||
           crs.ends_with("::3857");
}

void Replace(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string MimeOf(std::string_view format) {
    return format == "jpg" ? std::string("image/jpeg") : "image/" + std::string(format);
}

} // namespace

WmtsResult ApplyWmtsCapabilities(const TileSourceDef& source, std::string_view document) {
    WmtsResult out;
    CapsHandler caps;
    xml::Limits limits;
    limits.maxBytes = kMostDocumentBytes;
    limits.maxDepth = 32;
    limits.maxTextBytes = 64 * 1024;
    limits.maxTokenBytes = 64 * 1024;
    const xml::Result read = xml::ReadXml(document, caps, limits);
    if (!read) {
        out.error = "the capabilities document cannot be read (" + read.error + ")";
        return out;
    }
    const Layer* layer = nullptr;
    for (const Layer& l : caps.layers)
        if (l.id == source.layer)
            layer = &l;
    if (layer == nullptr) {
        out.error = "the capabilities have no layer '" + source.layer + "'";
        return out;
    }
    // The set: Web Mercator, 256-pixel tiles, zoom 0's corner and scales halving.
    std::vector<std::string> zoomMatrices;
    std::string setId;
    for (const std::string& linked : layer->sets) {
        if (!source.matrixSet.empty() && linked != source.matrixSet)
            continue;
        for (const MatrixSet& set : caps.sets) {
            if (set.id != linked || !IsWebMercator(set.crs))
                continue;
            std::vector<std::string> matrices(kMostTileZoom + 1);
            bool fits = !set.matrices.empty();
            for (const Matrix& m : set.matrices) {
                const double zoom = std::log2(kZoom0Scale / m.scale);
                const long z = std::lround(zoom);
                const auto corner = base::Trim(m.topLeft, " ");
                const auto space = corner.find(' ');
                const auto x = base::ParseExact<double>(corner.substr(0, space));
                const auto y =
                    space == std::string_view::npos
                        ? std::nullopt
                        : base::ParseExact<double>(base::Trim(corner.substr(space), " "));
                if (!(m.scale > 0) || std::abs(zoom - static_cast<double>(z)) > 0.01 || z < 0 ||
                    z > kMostTileZoom || m.width != "256" || m.height != "256" || !x || !y ||
                    std::abs(std::abs(*x) - kMercatorHalf) > 1.0 ||
                    std::abs(std::abs(*y) - kMercatorHalf) > 1.0) {
                    fits = false;
                    break;
                }
                matrices[static_cast<std::size_t>(z)] = m.id;
            }
            if (fits) {
                zoomMatrices = std::move(matrices);
                setId = set.id;
                break;
            }
        }
        if (!setId.empty())
            break;
    }
    if (setId.empty()) {
        out.error = "layer '" + source.layer +
                    "' has no Web Mercator tile matrix set of 256-pixel tiles" +
                    (source.matrixSet.empty() ? "" : " named '" + source.matrixSet + "'");
        return out;
    }
    TileSourceDef resolved = source;
    // The run of zooms the set has, within the definition's.
    int low = source.minZoom;
    while (low <= source.maxZoom && zoomMatrices[static_cast<std::size_t>(low)].empty())
        ++low;
    int high = low;
    while (high + 1 <= source.maxZoom && !zoomMatrices[static_cast<std::size_t>(high + 1)].empty())
        ++high;
    if (low > source.maxZoom) {
        out.error = "the tile matrix set has none of the zooms " + std::to_string(source.minZoom) +
                    "-" + std::to_string(source.maxZoom);
        return out;
    }
    resolved.minZoom = low;
    resolved.maxZoom = high;
    const std::string style = source.style.empty() ? layer->style : source.style;
    std::string url;
    for (const ResourceUrl& r : layer->urls)
        if (r.type == "tile" && (r.format == MimeOf(source.format) || url.empty()))
            url = r.url;
    if (!url.empty()) {
        Replace(url, "{TileMatrixSet}", setId);
        Replace(url, "{Style}", style);
        Replace(url, "{TileMatrix}", "{z}");
        Replace(url, "{TileRow}", "{y}");
        Replace(url, "{TileCol}", "{x}");
    } else if (!caps.kvp.empty()) {
        url = caps.kvp;
        if (url.find('?') == std::string::npos)
            url += '?';
        else if (url.back() != '?' && url.back() != '&')
            url += '&';
        url += "SERVICE=WMTS&REQUEST=GetTile&VERSION=1.0.0&LAYER=" + source.layer +
               "&STYLE=" + style + "&TILEMATRIXSET=" + setId +
               "&TILEMATRIX={z}&TILEROW={y}&TILECOL={x}&FORMAT=" + MimeOf(source.format);
    } else {
        out.error = "the capabilities name no way to get a tile";
        return out;
    }
    resolved.protocol = TileProtocol::Xyz;
    resolved.url = url;
    resolved.matrices = std::move(zoomMatrices);
    if (std::string why = CheckTileUrl(url, resolved); !why.empty()) {
        out.error = "the capabilities' tile address: " + why;
        return out;
    }
    if (HostOf(url) != HostOf(source.url)) {
        out.error = "the capabilities send for tiles to another host (" + HostOf(url) + ")";
        return out;
    }
    out.source = std::move(resolved);
    return out;
}

WmtsResult ResolveWmts(const TileSourceDef& source, const std::string& userAgent, TileCache* cache,
                       bool offline) {
    constexpr std::string_view kKey = "quilo-capabilities";
    std::string fetchError;
    if (!offline) {
        TileFetcher fetcher(userAgent);
        FetchedTile document = fetcher.GetDocument(source.url, kMostDocumentBytes);
        if (document.status == FetchedTile::Status::Ok) {
            WmtsResult out = ApplyWmtsCapabilities(source, document.bytes);
            if (out.source && cache != nullptr)
                cache->SetMetadata(kKey, document.bytes);
            return out;
        }
        fetchError = document.error;
    }
    if (cache != nullptr)
        if (const auto kept = cache->Metadata(kKey))
            return ApplyWmtsCapabilities(source, *kept);
    return {std::nullopt, "the capabilities document cannot be had (" +
                              (offline ? std::string("working offline") : fetchError) + ")"};
}

} // namespace map
