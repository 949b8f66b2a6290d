#include "map/formats/GroundOverlay.h"

#include "base/Number.h"
#include "base/Text.h"
#include "calib/AffineFit.h"
#include "calib/GridModel.h"
#include "map/formats/ImageHeader.h"
#include "map/formats/KmzArchive.h"
#include "map/formats/MapSource.h"
#include "map/formats/OverlayMosaic.h"
#include "platform/FileIo.h"
#include "xml/XmlReader.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <sys/stat.h>
#include <vector>

namespace map {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

class OverlayHandler : public xml::Handler {
public:
    GroundOverlays contents;

    std::string Start(const xml::Name& name, const xml::Attributes&) override {
        if (path_.empty() && name.local != "kml")
            return "not a KML document";
        path_.emplace_back(name.local);
        if (name.local == "GroundOverlay") {
            if (inOverlay_)
                return "a GroundOverlay inside a GroundOverlay";
            inOverlay_ = true;
            overlay_ = GroundOverlay{};
        }
        return {};
    }

    std::string End(const xml::Name& name, std::string_view text) override {
        path_.pop_back();
        if (!inOverlay_)
            return {};
        const std::string_view parent = path_.empty() ? std::string_view() : path_.back();
        const std::string_view local = name.local;
        if (local == "GroundOverlay") {
            inOverlay_ = false;
            return Finish();
        }
        if (parent == "GroundOverlay" && local == "name")
            overlay_.name = base::Trim(text, kBlanks);
        else if (parent == "Icon" && local == "href")
            overlay_.href = base::Trim(text, kBlanks);
        else if (parent == "LatLonBox")
            return BoxValue(local, text);
        else if (parent == "LatLonQuad" && local == "coordinates")
            return Quad(text);
        return {};
    }

private:
    std::string BoxValue(std::string_view local, std::string_view text) {
        LatLonBox& box = overlay_.box ? *overlay_.box : overlay_.box.emplace();
        struct Field {
            std::string_view name;
            double LatLonBox::*value;
            double limit;
        };
        static constexpr Field kFields[] = {
            {"north", &LatLonBox::north, 90},        {"south", &LatLonBox::south, 90},
            {"east", &LatLonBox::east, 360},         {"west", &LatLonBox::west, 360},
            {"rotation", &LatLonBox::rotation, 360},
        };
        for (const Field& field : kFields) {
            if (local != field.name)
                continue;
            const std::string_view trimmed = base::Trim(text, kBlanks);
            const auto value =
                base::ParseExact<double>(base::SkipPlus(trimmed), -field.limit, field.limit);
            if (!value)
                return std::string(local) + " \"" + std::string(trimmed.substr(0, 40)) +
                       "\" out of range";
            box.*field.value = *value;
        }
        return {};
    }

    std::string Quad(std::string_view text) {
        std::array<MapPos, 4> corners{};
        std::size_t count = 0;
        for (text = base::Trim(text, kBlanks); !text.empty(); text = base::Trim(text, kBlanks)) {
            const std::string_view tuple = text.substr(0, text.find_first_of(kBlanks));
            text.remove_prefix(tuple.size());
            const auto comma = tuple.find(',');
            const std::string_view rest =
                comma == std::string_view::npos ? std::string_view() : tuple.substr(comma + 1);
            const auto lon =
                base::ParseExact<double>(base::SkipPlus(tuple.substr(0, comma)), -360, 360);
            const auto lat =
                base::ParseExact<double>(base::SkipPlus(rest.substr(0, rest.find(','))), -90, 90);
            if (count == corners.size() || !lon || !lat)
                return "LatLonQuad coordinates not four \"longitude,latitude\" in range";
            corners[count++] = MapPos(*lon, *lat);
        }
        if (count != corners.size())
            return "LatLonQuad coordinates not four \"longitude,latitude\" in range";
        overlay_.quad = corners;
        return {};
    }

    std::string Finish() {
        if (overlay_.href.empty() || (!overlay_.box && !overlay_.quad))
            return {};
        if (overlay_.box && !overlay_.quad) {
            const LatLonBox& box = *overlay_.box;
            if (!(box.north > box.south) || box.east == box.west)
                return "a LatLonBox with no area";
        }
        if (contents.overlays.size() == kMaxGroundOverlays)
            return "more than " + std::to_string(kMaxGroundOverlays) + " ground overlays";
        contents.overlays.push_back(std::move(overlay_));
        return {};
    }

    std::vector<std::string> path_;
    bool inOverlay_ = false;
    GroundOverlay overlay_;
};

} // namespace

GroundOverlays ParseGroundOverlays(std::string_view document) {
    if (document.size() > kMaxOverlayDocumentBytes)
        return {{}, "too large for a KML document"};
    OverlayHandler handler;
    xml::Limits limits;
    limits.maxBytes = kMaxOverlayDocumentBytes;
    const xml::Result result = xml::ReadXml(document, handler, limits);
    if (!result)
        return {{}, result.error};
    if (handler.contents.overlays.empty())
        return {{}, "no ground overlay with an image and a place"};
    return std::move(handler.contents);
}

namespace {

// A quad's corners with their longitudes in one run, for a quad across the 180th meridian.
std::array<MapPos, 4> QuadCorners(const std::array<MapPos, 4>& quad) {
    std::array<MapPos, 4> corners = quad;
    for (MapPos& p : corners)
        p.x = LongitudeNear(p.x, quad[0].x);
    return corners;
}

// The pixels of a quad's corners: lower left, lower right, upper right, upper left.
std::array<MapPos, 4> CornerPixels(double w, double h) {
    return {MapPos(0, h), MapPos(w, h), MapPos(w, 0), MapPos(0, 0)};
}

} // namespace

std::optional<std::array<double, 6>> OverlayAffine(const GroundOverlay& overlay, int width,
                                                   int height) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    const double w = width;
    const double h = height;
    const std::array<MapPos, 4> pixels = CornerPixels(w, h);
    std::array<MapPos, 4> corners{};
    if (overlay.quad) {
        corners = QuadCorners(*overlay.quad);
    } else if (overlay.box) {
        const LatLonBox& box = *overlay.box;
        // A box across the antimeridian has its east edge below its west.
        const double east = box.east < box.west ? box.east + 360 : box.east;
        const MapPos centre((box.west + east) / 2, (box.north + box.south) / 2);
        // The rotation turns the box in the plane of longitude and latitude degrees.
        const double turn = box.rotation * std::numbers::pi / 180.0;
        const double c = std::cos(turn);
        const double s = std::sin(turn);
        const std::array<MapPos, 4> unturned{MapPos(box.west, box.south), MapPos(east, box.south),
                                             MapPos(east, box.north), MapPos(box.west, box.north)};
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const double dx = unturned[i].x - centre.x;
            const double dy = unturned[i].y - centre.y;
            corners[i] = MapPos(centre.x + dx * c - dy * s, centre.y + dx * s + dy * c);
        }
    } else {
        return std::nullopt;
    }
    return FitAffine(pixels, corners);
}

std::optional<PixelPolynomial> QuadPolynomial(const std::array<MapPos, 4>& quad, int width,
                                              int height) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    const std::array<MapPos, 4> c = QuadCorners(quad);
    // geo = c3 + (c2 - c3) u + (c0 - c3) v + twist u v, for u, v from 0 to 1 across and down.
    const MapPos twist(c[3].x - c[2].x + c[1].x - c[0].x, c[3].y - c[2].y + c[1].y - c[0].y);
    const double size = std::hypot(c[2].x - c[0].x, c[2].y - c[0].y);
    if (!(std::hypot(twist.x, twist.y) > size * 1e-12))
        return std::nullopt;
    const double w = width;
    const double h = height;
    const std::array<MapPos, 4> corners = CornerPixels(w, h);
    std::vector<MapPos> pixels(corners.begin(), corners.end());
    std::vector<MapPos> geo(c.begin(), c.end());
    // Two more points of the bilinear mapping, off any conic through the corners, make the
    // second-order polynomial through the six exactly that mapping.
    for (const MapPos& uv : {MapPos(0.5, 0.5), MapPos(0.5, 0)}) {
        pixels.emplace_back(uv.x * w, uv.y * h);
        geo.emplace_back(
            c[3].x + (c[2].x - c[3].x) * uv.x + (c[0].x - c[3].x) * uv.y + twist.x * uv.x * uv.y,
            c[3].y + (c[2].y - c[3].y) * uv.x + (c[0].y - c[3].y) * uv.y + twist.y * uv.x * uv.y);
    }
    std::string ignored;
    return PixelPolynomial::Fit(pixels, geo, 2, PixelArea{MapPos(0, 0), MapPos(w, h)}, &ignored);
}

std::optional<std::string> ContainedPath(std::string_view base, std::string_view href) {
    if (href.empty() || href.front() == '/' || href.find(':') != std::string_view::npos ||
        href.find('\\') != std::string_view::npos)
        return std::nullopt;
    std::vector<std::string_view> parts;
    std::string_view joined[] = {base, href};
    for (std::string_view rest : joined) {
        while (!rest.empty()) {
            const auto slash = rest.find('/');
            const std::string_view part = rest.substr(0, slash);
            rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
            if (part.empty() || part == ".")
                continue;
            if (part == "..") {
                if (parts.empty())
                    return std::nullopt;
                parts.pop_back();
            } else {
                parts.push_back(part);
            }
        }
    }
    if (parts.empty())
        return std::nullopt;
    std::string out;
    for (const std::string_view part : parts)
        out += (out.empty() ? "" : "/") + std::string(part);
    return out;
}

namespace {

// An overlay's image in a KMZ is read for its header alone from its first bytes: a listing
// must not inflate every image. A JPEG whose header lies further on is read whole.
constexpr std::size_t kOverlayHeadBytes = std::size_t{256} << 10;

// The header of an overlay's image; with keep, an image in the archive is taken out whole and
// kept there for the decode.
ImageHeaderResult OverlayHeader(const MapSource& source, bool archive, const std::string& image,
                                const std::string& href, platform::UniqueFd* keep) {
    if (!archive)
        return ReadImageHeader(image);
    const std::string name = source.path + ": " + href;
    KmzEntry entry = ExtractKmzEntry(source.path, image, keep != nullptr ? 0 : kOverlayHeadBytes);
    if (!entry.fd.Valid())
        return {std::nullopt, entry.error};
    ImageHeaderResult header = ReadImageHeader(entry.fd.Get(), name);
    struct stat st {};
    if (!header.header && keep == nullptr && ::fstat(entry.fd.Get(), &st) == 0 &&
        static_cast<std::size_t>(st.st_size) >= kOverlayHeadBytes) {
        entry = ExtractKmzEntry(source.path, image);
        if (!entry.fd.Valid())
            return {std::nullopt, entry.error};
        header = ReadImageHeader(entry.fd.Get(), name);
    }
    if (keep != nullptr)
        *keep = std::move(entry.fd);
    return header;
}

// An overlay's image found, its header read and the overlay placed on it; nothing, with
// *error, when one of them cannot be.
std::optional<OverlayImage> FindOverlay(const MapSource& source, const GroundOverlay& overlay,
                                        bool archive, const std::string& folder,
                                        platform::UniqueFd* keep, std::string* error) {
    const std::optional<std::string> contained = ContainedPath(archive ? folder : "", overlay.href);
    if (!contained) {
        *error = source.path + ": its image " + overlay.href +
                 (archive ? " is not inside the archive" : " is not a file beside it");
        return std::nullopt;
    }
    OverlayImage out;
    out.href = overlay.href;
    out.image =
        archive ? *contained : (std::filesystem::path(FolderOf(source.path)) / *contained).string();
    const ImageHeaderResult header = OverlayHeader(source, archive, out.image, overlay.href, keep);
    if (!header.header) {
        *error = header.error;
        return std::nullopt;
    }
    out.placed.width = header.header->width;
    out.placed.height = header.header->height;
    const auto affine = OverlayAffine(overlay, out.placed.width, out.placed.height);
    if (!affine) {
        *error = source.path + ": its ground overlay " + overlay.href + " has no place";
        return std::nullopt;
    }
    out.placed.affine = *affine;
    out.quad = overlay.quad;
    return out;
}

// The ground overlays of a document (in a KMZ when archive, its links starting at folder):
// one is shown as it is; several as one map, through their common grid. An overlay whose
// image is missing or unreadable is left out with a warning while another remains.
MapSourceResult PlaceOverlays(MapSource source, std::string_view document, bool archive,
                              const std::string& folder) {
    const GroundOverlays read = ParseGroundOverlays(document);
    if (!read.error.empty())
        return SourceFailure(source.path, read.error);
    const bool single = read.overlays.size() == 1;
    platform::UniqueFd kept;
    std::vector<OverlayImage> found;
    std::string firstError;
    for (const GroundOverlay& overlay : read.overlays) {
        std::string error;
        std::optional<OverlayImage> image =
            FindOverlay(source, overlay, archive, folder, single ? &kept : nullptr, &error);
        if (image) {
            found.push_back(std::move(*image));
            continue;
        }
        if (single)
            return {std::nullopt, error};
        if (firstError.empty())
            firstError = error;
        source.warnings.push_back(error + "; that overlay is left out");
    }
    if (found.empty()) {
        const std::string prefix = source.path + ": ";
        return SourceFailure(
            source.path,
            "none of its " + std::to_string(read.overlays.size()) +
                " ground overlays can be shown (" +
                (firstError.starts_with(prefix) ? firstError.substr(prefix.size()) : firstError) +
                ")");
    }
    std::string error;
    if (found.size() == 1) {
        const OverlayImage& only = found.front();
        source.imagePath = archive ? source.path : only.image;
        if (archive && !kept.Valid()) {
            KmzEntry entry = ExtractKmzEntry(source.path, only.image);
            if (!entry.fd.Valid())
                return {std::nullopt, entry.error};
            kept = std::move(entry.fd);
        }
        source.imageFd = std::move(kept);
        source.width = only.placed.width;
        source.height = only.placed.height;
        const std::optional<MapPos> middle = ImageMiddle(only.placed.width, only.placed.height);
        // A quad that is no parallelogram bends the image onto its corners.
        std::optional<PixelPolynomial> bent;
        if (only.quad)
            bent = QuadPolynomial(*only.quad, only.placed.width, only.placed.height);
        source.grid = SharedGrid(
            bent ? GridGeoreference::FromPolynomial(kWgs84, only.placed.affine, std::move(*bent),
                                                    &error, middle)
                 : GridGeoreference::FromAffine(kWgs84, only.placed.affine, &error, middle));
        if (!source.grid)
            return SourceFailure(source.path, error);
        return {std::move(source), {}};
    }
    std::vector<PlacedOverlay> placed;
    for (const OverlayImage& image : found)
        placed.push_back(image.placed);
    const std::optional<MosaicLayout> layout = PlanMosaic(placed);
    if (layout)
        source.grid = SharedGrid(GridGeoreference::FromAffine(
            kWgs84, layout->affine, &error, ImageMiddle(layout->width, layout->height)));
    if (!source.grid)
        return SourceFailure(source.path, "its ground overlays have no common grid");
    for (std::size_t i = 0; i < found.size(); ++i)
        found[i].placed = placed[i];
    source.imagePath = source.path;
    source.width = layout->width;
    source.height = layout->height;
    source.overlays = std::move(found);
    if (layout->coarser > 1.0)
        source.warnings.push_back(
            source.path + ": its ground overlays are shown coarser than " +
            "the finest of them, as a map of " + std::to_string(layout->width) + " x " +
            std::to_string(layout->height) + " pixels" +
            (layout->sparse ? ": at the finest one's detail it would hold far more pixels "
                              "than they do"
                            : ""));
    return {std::move(source), {}};
}

} // namespace

MapSourceResult ReadKmlOverlay(MapSource source, const std::function<bool()>&) {
    std::string document;
    if (const auto read = platform::ReadWholeFile(source.path, document, kMaxOverlayDocumentBytes);
        !read)
        return {std::nullopt, read.error};
    return PlaceOverlays(std::move(source), document, false, {});
}

MapSourceResult ReadKmz(MapSource source, const std::function<bool()>&) {
    const KmzDocument document = ReadKmzDocument(source.path);
    if (!document.error.empty())
        return {std::nullopt, document.error};
    return PlaceOverlays(std::move(source), document.text, true, document.folder);
}

} // namespace map
