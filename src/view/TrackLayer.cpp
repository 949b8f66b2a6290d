#include "view/TrackLayer.h"

#include "trail/TrackSet.h"
#include "view/InfoLines.h"
#include "view/MapScene.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>

namespace view {

namespace {

constexpr int kTrackWidth = 3;
// Colours by value are drawn in this many steps: one pen change a step, not one a line.
constexpr int kColourSteps = 64;

QRgb Opaque(std::uint32_t rgb) {
    return qRgb(static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

QRgb StepColour(double fraction) {
    if (std::isnan(fraction))
        return Opaque(trail::RampColour(fraction));
    return Opaque(
        trail::RampColour(std::round(fraction * (kColourSteps - 1)) / (kColourSteps - 1)));
}

trail::Track RecentAsTrack(const std::deque<trail::TrackPoint>* recent) {
    trail::Track track;
    if (recent != nullptr && !recent->empty())
        track.emplace_back(recent->begin(), recent->end());
    return track;
}

void Widen(std::optional<trail::ValueLimits>& limits, std::optional<trail::ValueLimits> more) {
    if (!more)
        return;
    if (!limits) {
        limits = more;
        return;
    }
    limits->low = std::min(limits->low, more->low);
    limits->high = std::max(limits->high, more->high);
}

// A line is drawn only when some of it can be in the view: far-off vertices at a high zoom
// must neither cost rasterising nor reach the painter's fixed-point range.
bool MayShow(const QRectF& clip, const QPointF& a, const QPointF& b) {
    return !(std::max(a.x(), b.x()) < clip.left() || std::min(a.x(), b.x()) > clip.right() ||
             std::max(a.y(), b.y()) < clip.top() || std::min(a.y(), b.y()) > clip.bottom());
}

} // namespace

void TrackLayer::Place(const MapScene& scene) {
    if (placedVersion_ == scene.tracks->Version() && georeference_ == scene.georeference)
        return;
    placedVersion_ = scene.tracks->Version();
    georeference_ = scene.georeference;
    ++drawn_;
    pixels_.clear();
    for (const trail::LoadedTrack& t : scene.tracks->All()) {
        auto& track = pixels_.emplace_back();
        for (const trail::TrackSegment& segment : t.track) {
            auto& out = track.emplace_back();
            out.reserve(segment.size());
            for (const trail::TrackPoint& p : segment)
                out.push_back(GeoToImage(scene, p.position).value_or(MapPos(NAN, NAN)));
        }
    }
}

void TrackLayer::Colour(const MapScene& scene) {
    const std::uint64_t version = scene.tracks != nullptr ? scene.tracks->Version() : 0;
    if (scene.colouring.by == trail::ColourBy::Plain) {
        if (!(colouring_ == scene.colouring))
            ++drawn_;
        colours_.clear();
        values_.clear();
        limits_.reset();
        colouring_ = scene.colouring;
        return;
    }
    // The tracks' values are taken again only when the tracks or the measure change; the live
    // trail's limits with every point it takes.
    if (colouredVersion_ != version || colouring_.by != scene.colouring.by) {
        values_.clear();
        tracksLimits_.reset();
        if (scene.tracks != nullptr)
            for (const trail::LoadedTrack& t : scene.tracks->All()) {
                values_.push_back(trail::ValuesOf(t.track, scene.colouring.by));
                if (t.shown)
                    Widen(tracksLimits_, trail::LimitsOf(values_.back()));
            }
        colours_.clear();
    }
    colouredVersion_ = version;
    colouring_ = scene.colouring;
    const std::size_t recent = scene.recentPoints != nullptr ? scene.recentPoints->size() : 0;
    const std::int64_t newest = recent > 0 ? scene.recentPoints->back().utcMs : 0;
    if (recentCount_ != recent || recentNewestMs_ != newest || recentBy_ != colouring_.by) {
        recentLimits_ =
            trail::LimitsOf(trail::ValuesOf(RecentAsTrack(scene.recentPoints), colouring_.by));
        recentCount_ = recent;
        recentNewestMs_ = newest;
        recentBy_ = colouring_.by;
    }
    std::optional<trail::ValueLimits> found = tracksLimits_;
    if (scene.showTrail)
        Widen(found, recentLimits_);
    const std::optional<trail::ValueLimits> limits =
        scene.colouring.limits ? scene.colouring.limits : found;
    const bool same = limits == limits_;
    limits_ = limits;
    if (same && colours_.size() == values_.size())
        return;
    ++drawn_;
    const trail::ValueLimits spread = limits_.value_or(trail::ValueLimits{});
    colours_.clear();
    for (const auto& track : values_) {
        auto& out = colours_.emplace_back();
        for (const auto& segment : track) {
            auto& colours = out.emplace_back();
            colours.reserve(segment.size());
            for (const double v : segment)
                colours.push_back(StepColour(trail::FractionOf(v, spread)));
        }
    }
}

void TrackLayer::Draw(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    Colour(scene);
    if (scene.tracks == nullptr || scene.tracks->Size() == 0) {
        // None open: the memory is given back.
        layer_.Clear();
        layerValid_ = false;
        return;
    }
    Place(scene);
    const ViewGeometry& g = scene.geometry;
    const QSize view(g.ClientWidth(), g.ClientHeight());
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    // Thousands of wide lines cost a frame many times over: they are drawn into a layer for an
    // area of the canvas larger than the view, which frames scrolled within it blend. A
    // fractional ratio does not fall on whole view pixels: there they go straight onto the
    // frame.
    const std::optional<ViewPoint> origin = g.CanvasOrigin(offset);
    if (!origin)
        return;
    if (ratio != 1.0) {
        DrawLines(painter, scene, *origin, view);
    } else {
        const ViewPoint anchor{FloorToScrollStep(origin->x), FloorToScrollStep(origin->y)};
        const LayerKey key{anchor,
                           view + QSize(kLayerScrollStep, kLayerScrollStep),
                           g.Zoom(),
                           g.Rotation(),
                           scene.tracks->Version(),
                           drawn_};
        if (!layerValid_ || !(key == layerKey_)) {
            layerValid_ = layer_.Build(key.size, ratio, [&](QPainter& layer) {
                layer.setRenderHints(painter.renderHints());
                DrawLines(layer, scene, anchor, key.size);
            });
            layerKey_ = key;
        }
        if (layerValid_)
            layer_.Blend(painter, {origin->x - anchor.x, origin->y - anchor.y}, view);
        else
            DrawLines(painter, scene, *origin, view);
    }
    DrawNames(painter, scene, offset);
}

void TrackLayer::DrawLines(QPainter& painter, const MapScene& scene, ViewPoint corner,
                           QSize area) const {
    const ViewGeometry& g = scene.geometry;
    const QRectF clip(-kTrackWidth, -kTrackWidth, area.width() + 2 * kTrackWidth,
                      area.height() + 2 * kTrackWidth);
    const bool byValue =
        scene.colouring.by != trail::ColourBy::Plain && colours_.size() == pixels_.size();
    painter.save();
    const auto& tracks = scene.tracks->All();
    for (std::size_t i = 0; i < tracks.size() && i < pixels_.size(); ++i) {
        const trail::LoadedTrack& t = tracks[i];
        if (!t.shown)
            continue;
        // Lines by colour: one colour for a plain track, a step of the ramp for each line
        // coloured by the value at its end. Each set is stroked as one path, filled once: Qt
        // strokes a list of lines sixteen at a time, so where one batch ends (which depends on
        // which lines the area takes in) the translucent casing would be laid on twice.
        QPainterPath casing;
        std::map<QRgb, QPainterPath> lines;
        for (std::size_t s = 0; s < pixels_[i].size(); ++s) {
            const std::vector<MapPos>& pixels = pixels_[i][s];
            QPointF last;
            bool penDown = false;
            for (std::size_t p = 0; p < pixels.size(); ++p) {
                const std::optional<ViewPoint> at =
                    std::isnan(pixels[p].x) ? std::nullopt : g.ImageToCanvas(pixels[p], corner);
                if (!at) {
                    penDown = false;
                    continue;
                }
                const QPointF here(at->x, at->y);
                if (!penDown) {
                    penDown = true;
                    last = here;
                    continue;
                }
                const QPointF d = here - last;
                // Within 2 pixels of the last vertex drawn: nothing a line would show.
                if (d.x() * d.x() + d.y() * d.y() < 4.0 && p + 1 < pixels.size())
                    continue;
                if (MayShow(clip, last, here)) {
                    for (QPainterPath* path :
                         {&casing, &lines[byValue ? colours_[i][s][p] : Opaque(t.colour)]}) {
                        if (path->isEmpty() || path->currentPosition() != last)
                            path->moveTo(last);
                        path->lineTo(here);
                    }
                }
                last = here;
            }
        }
        // A light casing under the colour: a track shows on dark and busy parts of a scan.
        painter.strokePath(casing, QPen(QColor(255, 255, 255, 200), kTrackWidth + 2, Qt::SolidLine,
                                        Qt::RoundCap, Qt::RoundJoin));
        for (const auto& [colour, path] : lines)
            painter.strokePath(path, QPen(QColor(colour), kTrackWidth, Qt::SolidLine, Qt::RoundCap,
                                          Qt::RoundJoin));
    }
    painter.restore();
}

std::vector<TrackLayer::NameAt> TrackLayer::NamesAt(const MapScene& scene, ViewPoint offset) const {
    const ViewGeometry& g = scene.geometry;
    std::vector<NameAt> names;
    if (scene.tracks == nullptr)
        return names;
    const auto& tracks = scene.tracks->All();
    // At the first point in view.
    const auto first =
        [&](const std::vector<std::vector<MapPos>>& segments) -> std::optional<NameAt> {
        std::size_t index = 0;
        for (const std::vector<MapPos>& segment : segments)
            for (const MapPos& pixel : segment) {
                const std::optional<ViewPoint> at =
                    std::isnan(pixel.x) ? std::nullopt : g.ImageToScreen(pixel, offset);
                if (at && g.InClient(*at))
                    return NameAt{0, index, QPoint(at->x, at->y)};
                ++index;
            }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < tracks.size() && i < pixels_.size(); ++i) {
        if (!tracks[i].shown)
            continue;
        if (std::optional<NameAt> name = first(pixels_[i])) {
            name->track = i;
            names.push_back(*name);
        }
    }
    return names;
}

std::vector<std::size_t> TrackLayer::NamePoints(const MapScene& scene, ViewPoint offset) {
    if (scene.tracks == nullptr || scene.tracks->Size() == 0)
        return {};
    Place(scene);
    std::vector<std::size_t> points;
    for (const NameAt& name : NamesAt(scene, offset)) {
        points.push_back(name.track);
        points.push_back(name.point);
    }
    return points;
}

void TrackLayer::DrawNames(QPainter& painter, const MapScene& scene, ViewPoint offset) const {
    painter.save();
    for (const NameAt& name : NamesAt(scene, offset)) {
        const trail::LoadedTrack& t = scene.tracks->All()[name.track];
        const QString text = QString::fromStdString(t.name);
        const QPoint at = name.at + QPoint(6, -6);
        painter.setPen(Qt::white);
        painter.drawText(at + QPoint(1, 1), text);
        painter.setPen(QColor(Opaque(t.colour)));
        painter.drawText(at, text);
    }
    painter.restore();
}

std::optional<TrackLayer::Hit> TrackLayer::HitTest(const MapScene& scene, ViewPoint at,
                                                   int radius) const {
    if (scene.tracks == nullptr || placedVersion_ != scene.tracks->Version())
        return std::nullopt;
    std::optional<Hit> best;
    double bestSquare = static_cast<double>(radius) * radius;
    const ViewPoint offset = scene.geometry.ScrollOffset();
    for (std::size_t i = 0; i < pixels_.size() && i < scene.tracks->Size(); ++i) {
        if (!scene.tracks->All()[i].shown)
            continue;
        for (std::size_t s = 0; s < pixels_[i].size(); ++s)
            for (std::size_t p = 0; p < pixels_[i][s].size(); ++p) {
                const MapPos& pixel = pixels_[i][s][p];
                if (std::isnan(pixel.x))
                    continue;
                const std::optional<ViewPoint> v = scene.geometry.ImageToScreen(pixel, offset);
                if (!v)
                    continue;
                const double dx = v->x - at.x, dy = v->y - at.y;
                if (dx * dx + dy * dy <= bestSquare) {
                    bestSquare = dx * dx + dy * dy;
                    best = Hit{i, s, p};
                }
            }
    }
    return best;
}

void DrawTracks(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.trackLayer != nullptr)
        scene.trackLayer->Draw(painter, scene, offset);
}

void DrawColourLegend(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (scene.trackLayer == nullptr || scene.colouring.by == trail::ColourBy::Plain)
        return;
    const std::optional<trail::ValueLimits> limits = scene.trackLayer->Limits();
    if (!limits)
        return;
    const auto* row =
        std::find_if(std::begin(trail::kColourByNames), std::end(trail::kColourByNames),
                     [&scene](const trail::ColourByName& n) { return n.by == scene.colouring.by; });
    const QString unit = QString::fromUtf8(row->unit.data(), static_cast<int>(row->unit.size()));
    const auto number = [&unit](double v) {
        return QString::number(v, 'f', std::abs(v) < 10 ? 1 : 0) + " " + unit;
    };
    const QFontMetrics metrics(painter.font());
    const int barWidth = 120, barHeight = 10, pad = 4;
    const int width = barWidth + 2 * pad;
    const int height = barHeight + 2 * metrics.height() + 2 * pad;
    const int right = scene.geometry.ClientWidth() - 8;
    const int bottom =
        CursorLineRect(scene.geometry.ClientWidth(), scene.geometry.ClientHeight()).top() - 8;
    const QRect box(right - width, bottom - height, width, height);
    painter.save();
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(pad, pad, -pad, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::fromUtf8(row->name.data(), static_cast<int>(row->name.size())));
    const QRect bar(box.left() + pad, box.top() + pad + metrics.height(), barWidth, barHeight);
    for (int x = 0; x < barWidth; ++x) {
        painter.setPen(QColor(Opaque(trail::RampColour(x / double(barWidth - 1)))));
        painter.drawLine(bar.left() + x, bar.top(), bar.left() + x, bar.bottom());
    }
    painter.setPen(Qt::black);
    const QRect numbers(bar.left(), bar.bottom() + 1, barWidth, metrics.height());
    painter.drawText(numbers, Qt::AlignLeft | Qt::AlignTop, number(limits->low));
    painter.drawText(numbers, Qt::AlignRight | Qt::AlignTop, number(limits->high));
    painter.restore();
}

} // namespace view
