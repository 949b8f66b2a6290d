#include "geo/Proj.h"

#include "base/Text.h"

#include <geodesic.h>
#include <proj.h>
#include <proj_experimental.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace map {

namespace {

// A PROJ context may be used by one thread at a time, and every PJ belongs to the context it was
// made in, so each thread keeps its own context and its own PJ of each transform. A thread's PJ
// objects are destroyed by that thread only: at its end, or when it next makes one and finds
// the transform gone.
// Failures come back as values with our own one-line message; PROJ's own log lines would only
// clutter the terminal. A map file names the grids its definition uses, and one may be a URL:
// PROJ never fetches anything, whatever the environment or the user's proj.ini says, so opening
// a map tells nobody that it was opened.
void Quiet(PJ_CONTEXT* ctx) {
    proj_log_level(ctx, PJ_LOG_NONE);
    // PROJ 9.1 still writes some errors ("Cannot find proj.db") at that level.
    proj_log_func(ctx, nullptr, [](void*, int, const char*) {});
    proj_context_set_enable_network(ctx, 0);
}

class ThreadProj {
public:
    ThreadProj() : ctx_(proj_context_create()) {
        // The default context serves calls that take none (proj_grid_info).
        static std::once_flag once;
        std::call_once(once, [] { Quiet(nullptr); });
        if (ctx_ != nullptr)
            Quiet(ctx_);
    }
    ~ThreadProj() {
        for (auto& [id, entry] : pjs_)
            proj_destroy(entry.pj);
        if (ctx_ != nullptr)
            proj_context_destroy(ctx_);
    }
    ThreadProj(const ThreadProj&) = delete;
    ThreadProj& operator=(const ThreadProj&) = delete;

    [[nodiscard]] PJ_CONTEXT* Context() const { return ctx_; }

    // This thread's PJ of transform `id`, or null when none was made here yet.
    PJ* Find(std::uint64_t id) const {
        const auto it = pjs_.find(id);
        return it == pjs_.end() ? nullptr : it->second.pj;
    }
    void Keep(std::uint64_t id, std::weak_ptr<const void> alive, PJ* pj) {
        for (auto it = pjs_.begin(); it != pjs_.end();) {
            if (it->second.alive.expired()) {
                proj_destroy(it->second.pj);
                it = pjs_.erase(it);
            } else {
                ++it;
            }
        }
        pjs_.emplace(id, Entry{std::move(alive), pj});
    }

private:
    struct Entry {
        std::weak_ptr<const void> alive;
        PJ* pj = nullptr;
    };
    PJ_CONTEXT* ctx_ = nullptr;
    std::unordered_map<std::uint64_t, Entry> pjs_;
};

ThreadProj& ThisThread() {
    thread_local ThreadProj proj;
    return proj;
}

struct PjDeleter {
    void operator()(PJ* pj) const { proj_destroy(pj); }
};
using PjPtr = std::unique_ptr<PJ, PjDeleter>;

constexpr std::string_view kNoDatabase =
    "PROJ's database proj.db was not found: install the package proj-data";

bool DatabaseFound(PJ_CONTEXT* ctx) {
    const char* db = proj_context_get_database_path(ctx);
    const PjPtr wgs84(db != nullptr ? proj_create(ctx, std::string(kWgs84).c_str()) : nullptr);
    return wgs84 != nullptr;
}

// PROJ strings name an operation unless they say they are a CRS; users write them without.
std::string CrsDefinition(std::string_view text) {
    std::string def(base::Trim(text, " \t\r\n"));
    if (!def.empty() && def.front() == '+' && def.find("type=crs") == std::string::npos)
        def += " +type=crs";
    return def;
}

// A definition as an error message shows it: on one line, blanks run together, a long WKT
// text cut short.
std::string Shown(std::string_view def) {
    constexpr std::size_t kLongest = 80;
    std::string line;
    for (const char c : def) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (blank && (line.empty() || line.back() == ' '))
            continue;
        if (line.size() == kLongest)
            return line + "...";
        line += blank ? ' ' : c;
    }
    return line;
}

bool GridInstalled(const std::string& name) {
    // proj_grid_info works in PROJ's default context, which serves one thread at a time.
    static std::mutex mutex;
    const std::lock_guard lock(mutex);
    return proj_grid_info(name.c_str()).filename[0] != '\0';
}

// The first grid a CRS names (+nadgrids, +geoidgrids) that is not installed here; empty when
// there is none. An optional grid ("@name") counts too: PROJ would skip it and shift the map
// by as much as the grid would have. "null" is PROJ's own grid of no shift.
std::string MissingGrid(PJ_CONTEXT* ctx, const PJ* crs) {
    const char* text = proj_as_proj_string(ctx, crs, PJ_PROJ_5, nullptr);
    std::string_view rest = text != nullptr ? text : "";
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        const std::string_view word = rest.substr(0, blank);
        rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
        std::string_view names;
        for (const std::string_view key : {"+nadgrids=", "+geoidgrids=", "+grids="})
            if (word.starts_with(key))
                names = word.substr(key.size());
        while (!names.empty()) {
            const std::size_t comma = names.find(',');
            std::string_view name = names.substr(0, comma);
            names.remove_prefix(comma == std::string_view::npos ? names.size() : comma + 1);
            if (name.starts_with('@'))
                name.remove_prefix(1);
            if (name.empty() || name == "null")
                continue;
            // Installed grids are found by name: a URL would be fetched, a path may lead
            // anywhere (a FIFO that blocks the open).
            if (name.find('/') != std::string_view::npos || !GridInstalled(std::string(name)))
                return std::string(name);
        }
    }
    return {};
}

// The CRS object of a definition in this thread's context; null, with *error, when it names
// none or names a grid that is not installed.
PjPtr MakeCrs(PJ_CONTEXT* ctx, std::string_view text, std::string* error) {
    if (ctx == nullptr) {
        *error = "PROJ could not be started";
        return nullptr;
    }
    const std::string def = CrsDefinition(text);
    if (def.empty()) {
        *error = "no coordinate reference system given";
        return nullptr;
    }
    const std::string shown = Shown(base::Trim(text, " \t\r\n"));
    PjPtr crs(proj_create(ctx, def.c_str()));
    if (!crs) {
        *error = DatabaseFound(ctx) ? shown + ": unknown coordinate reference system"
                                    : std::string(kNoDatabase);
        return nullptr;
    }
    if (proj_is_crs(crs.get()) == 0) {
        *error = shown + ": not a coordinate reference system";
        return nullptr;
    }
    if (const std::string grid = MissingGrid(ctx, crs.get()); !grid.empty()) {
        *error = shown + ": its grid " + grid + " is not installed";
        return nullptr;
    }
    return crs;
}

// What a CRS is, also when it is bound to WGS 84 by a datum shift (+towgs84).
PJ_TYPE TypeOf(PJ_CONTEXT* ctx, const PJ* crs) {
    if (proj_get_type(crs) == PJ_TYPE_BOUND_CRS) {
        if (const PjPtr base(proj_get_source_crs(ctx, crs)); base)
            return proj_get_type(base.get());
    }
    return proj_get_type(crs);
}

bool IsGeographic(PJ_CONTEXT* ctx, const PJ* crs) {
    const PJ_TYPE type = TypeOf(ctx, crs);
    return type == PJ_TYPE_GEOGRAPHIC_2D_CRS || type == PJ_TYPE_GEOGRAPHIC_3D_CRS;
}

PjPtr MakeOperation(PJ_CONTEXT* ctx, const PJ* from, const PJ* to) {
    PjPtr op(proj_create_crs_to_crs_from_pj(ctx, from, to, nullptr, nullptr));
    if (!op)
        return nullptr;
    return PjPtr(proj_normalize_for_visualization(ctx, op.get()));
}

std::atomic<std::uint64_t> nextId{1};

class Transform final : public ProjTransform {
public:
    Transform(std::string from, std::string to, std::array<bool, 2> geographic, PJ* madeHere)
        : from_(std::move(from)), to_(std::move(to)), geographic_(geographic), id_(nextId++),
          alive_(std::make_shared<char>()) {
        ThisThread().Keep(id_, alive_, madeHere);
    }

    bool Forward(MapPos& p) const override { return One(p, PJ_FWD); }
    bool Inverse(MapPos& p) const override { return One(p, PJ_INV); }
    bool Forward(std::span<MapPos> points) const override { return Many(points, PJ_FWD); }
    bool Inverse(std::span<MapPos> points) const override { return Many(points, PJ_INV); }
    const std::string& From() const override { return from_; }
    const std::string& To() const override { return to_; }
    bool FromGeographic() const override { return geographic_[0]; }
    bool ToGeographic() const override { return geographic_[1]; }

    // True when this thread can convert with it: its PJ is made here or can be.
    [[nodiscard]] bool UsableHere() const { return Pj() != nullptr; }

private:
    // This thread's PJ, made from the two definitions the first time this thread converts.
    PJ* Pj() const {
        ThreadProj& thread = ThisThread();
        if (PJ* pj = thread.Find(id_))
            return pj;
        std::string ignored;
        PjPtr from = MakeCrs(thread.Context(), from_, &ignored);
        PjPtr to = MakeCrs(thread.Context(), to_, &ignored);
        PjPtr op = from && to ? MakeOperation(thread.Context(), from.get(), to.get()) : nullptr;
        if (!op)
            return nullptr;
        PJ* pj = op.release();
        thread.Keep(id_, alive_, pj);
        return pj;
    }

    bool One(MapPos& p, PJ_DIRECTION direction) const {
        PJ* pj = Pj();
        if (pj == nullptr || !std::isfinite(p.x) || !std::isfinite(p.y))
            return false;
        proj_errno_reset(pj);
        const PJ_COORD out = proj_trans(pj, direction, proj_coord(p.x, p.y, 0, 0));
        if (!std::isfinite(out.xy.x) || !std::isfinite(out.xy.y))
            return false; // PROJ's HUGE_VAL: outside the projection's domain
        p = MapPos(out.xy.x, out.xy.y);
        return true;
    }

    bool Many(std::span<MapPos> points, PJ_DIRECTION direction) const {
        if (points.empty())
            return true;
        PJ* pj = Pj();
        if (pj == nullptr) {
            for (MapPos& p : points)
                p = MapPos(NAN, NAN);
            return false;
        }
        constexpr std::size_t stride = sizeof(MapPos);
        proj_errno_reset(pj);
        proj_trans_generic(pj, direction, &points[0].x, stride, points.size(), &points[0].y, stride,
                           points.size(), nullptr, 0, 0, nullptr, 0, 0);
        bool any = false;
        for (MapPos& p : points) {
            if (std::isfinite(p.x) && std::isfinite(p.y))
                any = true;
            else
                p = MapPos(NAN, NAN);
        }
        return any;
    }

    std::string from_;
    std::string to_;
    std::array<bool, 2> geographic_; // from, to
    std::uint64_t id_;
    std::shared_ptr<const void> alive_; // expires with the transform: threads drop their PJ
};

// The transforms made last, by their two definitions. A map folder's sheets share a few .prj
// texts, and PROJ spends milliseconds looking each WKT's names up in its database: each pair
// is made once, then only each other thread makes its own PJ of it.
class MadeTransforms {
public:
    std::shared_ptr<const Transform> Find(const std::string& from, const std::string& to) {
        const std::lock_guard lock(mutex_);
        const auto it = std::ranges::find_if(
            made_, [&](const Entry& e) { return e.from == from && e.to == to; });
        if (it == made_.end())
            return nullptr;
        std::rotate(made_.begin(), it, it + 1); // most recently used first
        return made_.front().transform;
    }

    // The transform kept for the pair: this one, or the one another thread kept first.
    std::shared_ptr<const Transform> Keep(std::shared_ptr<const Transform> transform) {
        const std::lock_guard lock(mutex_);
        const auto it = std::ranges::find_if(made_, [&](const Entry& e) {
            return e.from == transform->From() && e.to == transform->To();
        });
        if (it != made_.end())
            return it->transform;
        if (made_.size() == kKept)
            made_.pop_back();
        made_.insert(made_.begin(), Entry{transform->From(), transform->To(), transform});
        return transform;
    }

private:
    // Enough for the grids of a folder of maps and the view's own; each holds a PJ or two.
    static constexpr std::size_t kKept = 32;
    struct Entry {
        std::string from;
        std::string to;
        std::shared_ptr<const Transform> transform;
    };
    std::mutex mutex_;
    std::vector<Entry> made_;
};

MadeTransforms& Made() {
    static MadeTransforms made;
    return made;
}

} // namespace

std::shared_ptr<const ProjTransform> ProjTransform::Make(std::string_view from, std::string_view to,
                                                         std::string* error) {
    // A kept transform this thread cannot use (PROJ's database gone from its context) is made
    // afresh below, which says why it fails.
    if (auto kept = Made().Find(CrsDefinition(from), CrsDefinition(to));
        kept != nullptr && kept->UsableHere())
        return kept;
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    PJ_CONTEXT* ctx = ThisThread().Context();
    PjPtr fromCrs = MakeCrs(ctx, from, &why);
    if (!fromCrs)
        return nullptr;
    PjPtr toCrs = MakeCrs(ctx, to, &why);
    if (!toCrs)
        return nullptr;
    PjPtr op = MakeOperation(ctx, fromCrs.get(), toCrs.get());
    if (!op) {
        why = Shown(from) + " to " + Shown(to) + ": PROJ knows no conversion between them";
        return nullptr;
    }
    const std::array<bool, 2> geographic{IsGeographic(ctx, fromCrs.get()),
                                         IsGeographic(ctx, toCrs.get())};
    return Made().Keep(std::make_shared<Transform>(CrsDefinition(from), CrsDefinition(to),
                                                   geographic, op.release()));
}

pj_ctx* ThreadProjContext() {
    return ThisThread().Context();
}

bool ProjAvailable(std::string* error) {
    PJ_CONTEXT* ctx = ThisThread().Context();
    if (ctx != nullptr && DatabaseFound(ctx))
        return true;
    if (error != nullptr)
        *error = ctx != nullptr ? kNoDatabase : "PROJ could not be started";
    return false;
}

std::optional<CrsKind> KindOfCrs(std::string_view definition, std::string* error) {
    std::string ignored;
    const PjPtr crs = MakeCrs(ThisThread().Context(), definition, error ? error : &ignored);
    if (!crs)
        return std::nullopt;
    PJ_CONTEXT* ctx = ThisThread().Context();
    if (IsGeographic(ctx, crs.get()))
        return CrsKind::Geographic;
    return TypeOf(ctx, crs.get()) == PJ_TYPE_PROJECTED_CRS ? CrsKind::Projected : CrsKind::Other;
}

double GroundMetres(const MapPos& a, const MapPos& b) {
    static const geod_geodesic wgs84 = [] {
        geod_geodesic g{};
        geod_init(&g, 6378137.0, 1 / 298.257223563);
        return g;
    }();
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return NAN;
    double metres = NAN;
    geod_inverse(&wgs84, a.y, a.x, b.y, b.x, &metres, nullptr, nullptr);
    return metres;
}

std::string CrsName(std::string_view definition, std::string* error) {
    std::string ignored;
    const PjPtr crs = MakeCrs(ThisThread().Context(), definition, error ? error : &ignored);
    if (!crs)
        return {};
    const char* name = proj_get_name(crs.get());
    return name != nullptr ? name : std::string(definition);
}

std::string CrsEsriWkt(std::string_view definition, std::string* error) {
    std::string ignored;
    std::string& why = error ? *error : ignored;
    PJ_CONTEXT* ctx = ThisThread().Context();
    const PjPtr crs = MakeCrs(ctx, definition, &why);
    if (!crs)
        return {};
    const char* const options[] = {"MULTILINE=NO", nullptr};
    const char* wkt = proj_as_wkt(ctx, crs.get(), PJ_WKT1_ESRI, options);
    if (wkt == nullptr) {
        why = std::string(definition) + ": not a CRS that ESRI's WKT can describe";
        return {};
    }
    return wkt;
}

std::string CrsOnEpsgDatum(std::string_view definition, int geographicCode, int datumCode,
                           std::string* error) {
    std::string ignored;
    std::string& why = error ? *error : ignored;
    PJ_CONTEXT* ctx = ThisThread().Context();
    const PjPtr crs = MakeCrs(ctx, definition, &why);
    if (!crs)
        return {};
    const std::string code = std::to_string(geographicCode > 0 ? geographicCode : datumCode);
    PjPtr geographic;
    if (geographicCode > 0) {
        geographic.reset(
            proj_create_from_database(ctx, "EPSG", code.c_str(), PJ_CATEGORY_CRS, 0, nullptr));
    } else {
        const PjPtr datum(
            proj_create_from_database(ctx, "EPSG", code.c_str(), PJ_CATEGORY_DATUM, 0, nullptr));
        const PjPtr axes(
            proj_create_ellipsoidal_2D_cs(ctx, PJ_ELLPS2D_LATITUDE_LONGITUDE, nullptr, 0));
        if (datum && axes)
            geographic.reset(proj_create_geographic_crs_from_datum(ctx, proj_get_name(datum.get()),
                                                                   datum.get(), axes.get()));
    }
    if (!geographic || !IsGeographic(ctx, geographic.get())) {
        why = "EPSG:" + code + ": no datum PROJ knows";
        return {};
    }
    const PjPtr moved(IsGeographic(ctx, crs.get())
                          ? nullptr
                          : proj_crs_alter_geodetic_crs(ctx, crs.get(), geographic.get()));
    const PJ* result = IsGeographic(ctx, crs.get()) ? geographic.get() : moved.get();
    const char* const options[] = {"MULTILINE=NO", nullptr};
    const char* wkt = result != nullptr ? proj_as_wkt(ctx, result, PJ_WKT2_2019, options) : nullptr;
    if (wkt == nullptr) {
        why = Shown(definition) + ": cannot be moved onto the datum of EPSG:" + code;
        return {};
    }
    return wkt;
}

} // namespace map
