#include "view/TrailLayer.h"

#include "session/ViewSettings.h"
#include "trail/TrackColouring.h"
#include "trail/TrailBuffer.h"
#include "view/MapScene.h"
#include "view/WideLines.h"

#include <QPaintDevice>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <utility>

namespace view {

namespace {

// Cuts the segment a-b down to the part inside rect (Liang-Barsky, in doubles). Lines are
// clipped here rather than by the painter: vertices far outside the view, at high zoom, must
// neither cost rasterising nor reach the painter's fixed-point range. False when nothing of
// the segment is inside.
bool ClipSegment(QRectF rect, QPointF& a, QPointF& b) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-dx, a.x() - rect.left()},
        {dx, rect.right() - a.x()},
        {-dy, a.y() - rect.top()},
        {dy, rect.bottom() - a.y()},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

} // namespace

void TrailLayer::Shapes::Clear() {
    for (int level = 0; level < kTrailLevels; ++level) {
        const auto index = static_cast<std::size_t>(level);
        segments[index].clear();
        ends[index].clear();
        dots[index].clear();
    }
    valueSegments.clear();
    valueDots.clear();
}

bool TrailLayer::Shapes::Empty() const {
    for (int level = 0; level < kTrailLevels; ++level) {
        const auto index = static_cast<std::size_t>(level);
        if (!segments[index].empty() || !dots[index].empty())
            return false;
    }
    return valueSegments.empty() && valueDots.empty();
}

std::size_t TrailLayer::KeptSamples(const std::vector<MapPos>& walk) const {
    if (samples_.empty() || walk.empty())
        return 0;
    // A new sample drops the oldest from a full trail: the old samples from some point on are
    // the new ones' start. Positions repeat (a receiver standing still), so every candidate
    // start is checked in full; one of the first few is nearly always it.
    for (std::size_t dropped = 0; dropped < samples_.size(); ++dropped) {
        const std::size_t kept = samples_.size() - dropped;
        if (kept <= walk.size() &&
            std::equal(samples_.begin() + static_cast<std::ptrdiff_t>(dropped), samples_.end(),
                       walk.begin()))
            return kept;
    }
    return 0;
}

bool TrailLayer::Place(const MapScene& scene) {
    const trail::TrailBuffer& trail = scene.trail;
    const auto walk = trail.OldestToNewest();
    const int trailLength = scene.settings.trailLength;
    const std::optional<trail::ValueLimits> limits =
        scene.colouring.by == trail::ColourBy::Plain || scene.trackLayer == nullptr
            ? std::nullopt
            : scene.trackLayer->Limits();
    const std::size_t recent = scene.recentPoints != nullptr ? scene.recentPoints->size() : 0;
    const std::int64_t newest = recent > 0 ? scene.recentPoints->back().utcMs : 0;
    const bool sameColours = colouring_ == scene.colouring && recentCount_ == recent &&
                             recentNewestMs_ == newest && limits == limits_;
    if (samples_.size() == trail.Count() &&
        std::equal(walk.begin(), walk.end(), samples_.begin()) &&
        georeference_ == scene.georeference && trailLength_ == trailLength && sameColours)
        return false;
    std::vector<MapPos> samples(walk.begin(), walk.end());
    // Only samples new since the last frame go through the georeference (PROJ on a projected
    // grid); a new fit or another map converts them all.
    const std::size_t kept = georeference_ == scene.georeference ? KeptSamples(samples) : 0;
    std::vector<Placed> placed;
    placed.reserve(samples.size());
    placed.insert(placed.end(), placed_.end() - static_cast<std::ptrdiff_t>(kept), placed_.end());
    for (std::size_t i = kept; i < samples.size(); ++i) {
        Placed p;
        if (samples[i].IsSet()) {
            const std::optional<MapPos> pixel = GeoToImage(scene, samples[i]);
            p.placed = pixel.has_value();
            p.pixel = pixel.value_or(MapPos());
        }
        placed.push_back(p);
    }
    // The sample number grows from trailLength - count (below 0 when breaks pushed the count
    // past the length) to trailLength - 1 for the newest.
    long long n = static_cast<long long>(trailLength) - static_cast<long long>(samples.size());
    for (Placed& p : placed) {
        p.level = std::clamp(
            TrailShadeLevel(static_cast<int>(std::max<long long>(n, -2147483647LL)), trailLength),
            0, kTrailLevels - 1);
        ++n;
    }
    samples_ = std::move(samples);
    placed_ = std::move(placed);
    georeference_ = scene.georeference;
    trailLength_ = trailLength;
    colouring_ = scene.colouring;
    limits_ = limits;
    recentCount_ = recent;
    recentNewestMs_ = newest;
    if (limits_)
        ColourByValue(scene);
    return true;
}

void TrailLayer::ColourByValue(const MapScene& scene) {
    const std::deque<trail::TrackPoint>& recent = *scene.recentPoints;
    const trail::Track track{trail::TrackSegment(recent.begin(), recent.end())};
    const std::vector<double> values =
        recent.empty() ? std::vector<double>() : trail::ValuesOf(track, colouring_.by).front();
    // The samples are the recent points' positions in order, some trimmed away: one walk
    // along both finds each sample's point.
    std::size_t next = 0;
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        if (!samples_[i].IsSet())
            continue;
        std::size_t j = next;
        while (j < recent.size() && !(recent[j].position == samples_[i]))
            ++j;
        const double value = j < recent.size() ? values[j] : NAN;
        if (j < recent.size())
            next = j + 1;
        const std::uint32_t rgb = trail::FadedColour(
            trail::RampColour(trail::FractionOf(value, *limits_)), placed_[i].level, kTrailLevels);
        placed_[i].colour = qRgb(static_cast<int>(rgb >> 16 & 0xFF),
                                 static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb & 0xFF));
    }
}

void TrailLayer::Collect(const MapScene& scene, const FrameKey& key) {
    Shapes& shapes = shapes_;
    shapes.Clear();
    const ViewGeometry& g = scene.geometry;
    const ViewPoint offset = key.anchor;
    const int t = ClampSizeValue(scene.settings.trailSize);
    const bool lines = scene.settings.trailStyle == 1;
    shapes.valueWidth = TrailPenWidth(scene.settings.trailSize);
    // Beyond this rectangle nothing of a line, a dot or a round end shows: a dot whose middle
    // lies just off the area still shows its edge.
    const double margin = 2.0 * t + 2.0;
    shapes.clip = QRectF(-margin, -margin, key.areaWidth + 2 * margin, key.areaHeight + 2 * margin);
    const QRectF& clip = shapes.clip;
    const auto inArea = [&clip](ViewPoint s) { return clip.contains(QPointF(s.x, s.y)); };

    // Gathered per shade level and drawn a level at a time, oldest first: one pen change per
    // level instead of per segment. The level only grows along the trail, so newer samples
    // still lie on top. Wide lines are stroked with flat ends and their round ends and joins
    // stamped as discs: the same shape at a fraction of the cost of round joins.
    int lastRunLevel = -1; // the level whose segments end at the last drawn vertex, if any
    bool penDown = false;
    ViewPoint last;
    for (const Placed& sample : placed_) {
        const int level = sample.level;
        const auto index = static_cast<std::size_t>(level);
        // A break, or a position that cannot be placed: a line to it would go anywhere, so it
        // ends the segment.
        const std::optional<ViewPoint> converted =
            sample.placed ? g.ImageToCanvas(sample.pixel, offset) : std::nullopt;
        if (!converted) {
            penDown = false;
            continue;
        }
        const ViewPoint s = *converted;
        if (penDown) {
            const double dx = static_cast<double>(s.x) - last.x;
            const double dy = static_cast<double>(s.y) - last.y;
            if (dx * dx + dy * dy < 9.0)
                continue; // within 3 pixels of the last drawn vertex
        }
        if (!lines) {
            if (inArea(s) && sample.colour)
                shapes.valueDots[*sample.colour].push_back(
                    QRect(s.x - 2 * t, s.y - 2 * t, 4 * t, 4 * t));
            else if (inArea(s))
                shapes.dots[index].push_back(QRect(s.x - 2 * t, s.y - 2 * t, 4 * t, 4 * t));
            continue;
        }
        if (sample.colour) {
            // By value every line has its own colour: round-capped pens, no shared discs.
            if (penDown) {
                QPointF a(last.x, last.y);
                QPointF b(s.x, s.y);
                if (ClipSegment(clip, a, b))
                    shapes.valueSegments[*sample.colour].push_back(QLine(last.x, last.y, s.x, s.y));
            }
            penDown = true;
            lastRunLevel = -1;
            last = s;
            continue;
        }
        if (!penDown) {
            penDown = true;
            lastRunLevel = -1;
            last = s;
            continue;
        }
        const QPointF from(last.x, last.y);
        QPointF a = from;
        QPointF b(s.x, s.y);
        if (ClipSegment(clip, a, b)) {
            shapes.segments[index].push_back(QLine(last.x, last.y, s.x, s.y));
            // A segment going on from the level's last one shares its disc; a clipped end
            // lies outside the view and needs none.
            if ((lastRunLevel != level) && a == from)
                shapes.ends[index].push_back(QPoint(last.x, last.y));
            const bool whole = b == QPointF(s.x, s.y);
            if (whole)
                shapes.ends[index].push_back(QPoint(s.x, s.y));
            lastRunLevel = whole ? level : -1;
        } else {
            lastRunLevel = -1;
        }
        if (t > 2 && clip.contains(QPointF(s.x, s.y))) {
            const int h = t / 2;
            shapes.dots[index].push_back(QRect(s.x - h, s.y - h, 2 * h, 2 * h));
        }
        last = s;
    }
}

void TrailLayer::Render(QPainter& painter, const Shapes& shapes, const TrailPens& pens) {
    painter.save();
    // Into an image pixel for pixel the lines are filled by their own rule, which a shift of
    // the frame does not change; anywhere else Qt draws them, cut to the area.
    const std::optional<PixelTarget> direct = DirectTarget(painter);
    std::vector<QLineF> cut;
    const auto drawLines = [&](const std::vector<QLine>& lines, const QPen& pen, bool roundEnds) {
        if (direct && pen.color().alpha() == 255) {
            for (const QLine& line : lines) {
                if (pen.widthF() > 1.0)
                    FillWideLine(*direct, line.p1(), line.p2(), pen.widthF(), pen.color().rgba(),
                                 roundEnds);
                else
                    FillThinLine(*direct, line.p1(), line.p2(), pen.color().rgba());
            }
            return;
        }
        cut.clear();
        for (const QLine& line : lines) {
            QPointF a = line.p1();
            QPointF b = line.p2();
            if (ClipSegment(shapes.clip, a, b))
                cut.emplace_back(a, b);
        }
        painter.setPen(pen);
        painter.drawLines(cut.data(), static_cast<int>(cut.size()));
    };
    for (int level = 0; level < kTrailLevels; ++level) {
        const auto index = static_cast<std::size_t>(level);
        const std::vector<QLine>& segments = shapes.segments[index];
        if (!segments.empty()) {
            drawLines(segments, pens.LinePen(level), false);
            const QImage& disc = pens.Disc(level);
            if (!disc.isNull()) {
                const int r = disc.width() / 2;
                for (const QPoint& end : shapes.ends[index])
                    painter.drawImage(end - QPoint(r, r), disc);
            }
        }
        if (shapes.dots[index].empty())
            continue;
        painter.setPen(pens.Pen(level));
        painter.setBrush(pens.Brush(level));
        for (const QRect& dot : shapes.dots[index])
            painter.drawEllipse(dot);
    }
    // Oldest colours are not first here, but the fading already says which line is older.
    for (const auto& [colour, segments] : shapes.valueSegments)
        drawLines(
            segments,
            QPen(QColor(colour), shapes.valueWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
            true);
    for (const auto& [colour, dots] : shapes.valueDots) {
        painter.setPen(QPen(QColor(colour), shapes.valueWidth));
        painter.setBrush(QColor(colour));
        for (const QRect& dot : dots)
            painter.drawEllipse(dot);
    }
    painter.restore();
}

bool TrailLayer::PensUnchanged(const TrailPens& pens) const {
    for (int level = 0; level < kTrailLevels; ++level) {
        if (pens.Pen(level) != pens_.Pen(level) || pens.LinePen(level) != pens_.LinePen(level) ||
            pens.Brush(level) != pens_.Brush(level))
            return false;
    }
    return true;
}

bool TrailLayer::BuildLayer() {
    std::function<void(QPainter&)> paint;
    if (!shapes_.Empty())
        paint = [this](QPainter& layer) {
            // Fully opaque or untouched pixels only (no antialiasing), so blending the layer
            // gives the frame exactly what drawing onto it would.
            layer.setRenderHint(QPainter::Antialiasing, false);
            Render(layer, shapes_, pens_);
        };
    return layer_.Build(QSize(shapesKey_.areaWidth, shapesKey_.areaHeight), shapesKey_.pixelRatio,
                        paint);
}

void TrailLayer::Draw(QPainter& painter, const MapScene& scene) {
    if (!scene.showTrail || scene.trail.Empty()) {
        // Hidden or cleared: the memory is given back.
        layer_.Clear();
        state_ = State::None;
        return;
    }
    const ViewGeometry& g = scene.geometry;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const ViewPoint offset = g.ScrollOffset();
    // The view's top-left corner on the canvas (a plain view: the scroll offset), which a
    // scroll moves by whole pixels. Device pixels of a fractional ratio do not fall on whole
    // view pixels: there the area is the view itself.
    const std::optional<ViewPoint> origin = g.CanvasOrigin(offset);
    if (!origin)
        return;
    const ViewPoint at = *origin;
    const bool shifts = ratio == 1.0;
    const ViewPoint anchor =
        shifts ? ViewPoint{FloorToScrollStep(at.x), FloorToScrollStep(at.y)} : at;
    const int extra = shifts ? kLayerScrollStep : 0;
    const FrameKey key{anchor,
                       g.ClientWidth() + extra,
                       g.ClientHeight() + extra,
                       g.Zoom(),
                       g.ClientWidth(),
                       g.ClientHeight(),
                       scene.settings.trailSize,
                       scene.settings.trailStyle,
                       ratio,
                       g.Rotation()};
    const ViewPoint shift{at.x - anchor.x, at.y - anchor.y};
    const bool placedAgain = Place(scene);
    if (placedAgain || state_ == State::None || key != shapesKey_ ||
        !PensUnchanged(scene.trailPens)) {
        Collect(scene, key);
        shapesKey_ = key;
        pens_ = scene.trailPens;
        // Straight onto the frame: a frame unlike the last is mostly followed by another
        // change (a zoom, a new sample), and the layer would only add its own cost. Not into
        // a strip a scroll uncovered: more strips follow, and a line cut at a clip's edge can
        // be laid a pixel off the whole line.
        state_ = State::Shapes;
        if (!painter.hasClipping()) {
            RenderShifted(painter, shift);
            return;
        }
    }
    if (state_ == State::Shapes) {
        if (!BuildLayer()) {
            // Without the memory for the layer the trail goes straight onto the frame.
            RenderShifted(painter, shift);
            return;
        }
        state_ = State::Layer;
    }
    layer_.Blend(painter, shift, QSize(shapesKey_.width, shapesKey_.height));
}

void TrailLayer::RenderShifted(QPainter& painter, ViewPoint shift) const {
    painter.save();
    painter.translate(-shift.x, -shift.y);
    Render(painter, shapes_, pens_);
    painter.restore();
}

} // namespace view
