#include "view/WideLines.h"

#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace view {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Products of two differences of canvas pixels (GCC and Clang have it on every 64-bit target).
__extension__ using Wide = __int128;

// A run of x within a row, empty when lo > hi.
struct Span {
    double lo = kInfinity;
    double hi = -kInfinity;

    [[nodiscard]] bool Empty() const { return !(lo <= hi); }
    // Narrows to the x with a * x in low..high (all x or none when a is 0); inverse is 1 / a.
    void Within(double a, double inverse, double low, double high) {
        if (a == 0.0) {
            if (low > 0.0 || high < 0.0)
                *this = Span();
            return;
        }
        const double x1 = low * inverse;
        const double x2 = high * inverse;
        lo = std::max(lo, std::min(x1, x2));
        hi = std::min(hi, std::max(x1, x2));
    }
    // Grows to take other in too: the two join, as both lie in one convex shape.
    void Take(Span other) {
        if (other.Empty())
            return;
        lo = std::min(lo, other.lo);
        hi = std::max(hi, other.hi);
    }
};

// The x of a disc of radius r about (at, 0) in the row dy from its middle.
Span DiscRow(double r, double at, double dy) {
    const double across = r * r - dy * dy;
    if (across < 0.0)
        return {};
    const double half = std::sqrt(across);
    return {at - half, at + half};
}

} // namespace

std::optional<PixelTarget> DirectTarget(QPainter& painter) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image ||
        device->devicePixelRatio() != 1.0 || painter.opacity() != 1.0 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return std::nullopt;
    auto* image = static_cast<QImage*>(device);
    if (image->format() != QImage::Format_RGB32 &&
        image->format() != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    const QTransform& transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::round(transform.dx()) ||
        transform.dy() != std::round(transform.dy()) || std::abs(transform.dx()) > 1e9 ||
        std::abs(transform.dy()) > 1e9)
        return std::nullopt;
    const QPoint origin(static_cast<int>(transform.dx()), static_cast<int>(transform.dy()));
    QRect clip = image->rect();
    if (painter.hasClipping()) {
        const QRegion region = painter.clipRegion();
        if (region.rectCount() > 1)
            return std::nullopt;
        clip &= region.boundingRect().translated(origin);
    }
    if (const QPaintEngine* engine = painter.paintEngine(); engine != nullptr) {
        const QRegion system = engine->systemClip();
        if (system.rectCount() > 1)
            return std::nullopt;
        if (!system.isEmpty())
            clip &= system.boundingRect();
    }
    return PixelTarget{image, clip, origin};
}

void FillWideLine(const PixelTarget& target, QPoint a, QPoint b, double width, QRgb colour,
                  bool roundEnds) {
    const QRect& clip = target.clip;
    if (clip.isEmpty())
        return;
    // a in device pixels, and the line's run: whole numbers, so every difference below is exact.
    const double ax = static_cast<double>(a.x()) + target.origin.x();
    const double ay = static_cast<double>(a.y()) + target.origin.y();
    const double dx = static_cast<double>(b.x()) - a.x();
    const double dy = static_cast<double>(b.y()) - a.y();
    const double length2 = dx * dx + dy * dy;
    if (length2 == 0.0)
        return;
    const double half = width / 2.0;
    const double reach = half * std::sqrt(length2); // |cross(run, pixel - a)| within the line
    const double top = std::max(static_cast<double>(clip.top()), ay + std::min(0.0, dy) - half - 1);
    const double bottom =
        std::min(static_cast<double>(clip.bottom()), ay + std::max(0.0, dy) + half + 1);
    if (top > bottom)
        return;
    auto* bits = target.image->bits();
    const qsizetype stride = target.image->bytesPerLine();
    // Columns k from a's: pixel ax + k has its middle at k + 0.5 from a.
    const double left = clip.left() - ax;
    const double right = clip.right() - ax;
    const double acrossInverse = dy == 0.0 ? 0.0 : 1.0 / -dy;
    const double alongInverse = dx == 0.0 ? 0.0 : 1.0 / dx;
    for (int y = static_cast<int>(top); y <= static_cast<int>(bottom); ++y) {
        const double ry = y + 0.5 - ay; // exact
        // The pixel middles k + 0.5 in span: within the line's width, and between its ends (or
        // near one). Nothing here depends on where a lies, only on the row's place relative to it.
        Span span{-kInfinity, kInfinity};
        span.Within(-dy, acrossInverse, -reach - dx * ry, reach - dx * ry);
        span.Within(dx, alongInverse, -dy * ry, length2 - dy * ry);
        if (span.Empty())
            span = Span();
        if (roundEnds) {
            span.Take(DiscRow(half, 0.0, ry));
            span.Take(DiscRow(half, dx, ry - dy));
        }
        if (span.Empty())
            continue;
        // The first and last whole k in it: found near, then settled by the exact test.
        double first = left;
        if (std::isfinite(span.lo)) {
            first = std::ceil(span.lo - 0.5);
            while (first - 0.5 >= span.lo)
                --first;
            while (first + 0.5 < span.lo)
                ++first;
            first = std::max(first, left);
        }
        double last = right;
        if (std::isfinite(span.hi)) {
            last = std::floor(span.hi - 0.5);
            while (last + 1.5 <= span.hi)
                ++last;
            while (last + 0.5 > span.hi)
                --last;
            last = std::min(last, right);
        }
        if (first > last)
            continue;
        auto* line = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * stride);
        std::fill(line + static_cast<qsizetype>(ax + first),
                  line + static_cast<qsizetype>(ax + last) + 1, colour);
    }
}

void FillThinLine(const PixelTarget& target, QPoint a, QPoint b, QRgb colour, bool fromJoin) {
    const QRect& clip = target.clip;
    if (clip.isEmpty())
        return;
    // Along u (the longer run) and across v, in device pixels; 64 bits hold any difference of
    // two canvas pixels, 128 their products.
    std::int64_t au = std::int64_t{a.x()} + target.origin.x();
    std::int64_t av = std::int64_t{a.y()} + target.origin.y();
    std::int64_t du = std::int64_t{b.x()} - a.x();
    std::int64_t dv = std::int64_t{b.y()} - a.y();
    std::int64_t uLow = clip.left();
    std::int64_t uHigh = clip.right();
    std::int64_t vLow = clip.top();
    std::int64_t vHigh = clip.bottom();
    const bool steep = std::abs(dv) > std::abs(du);
    if (steep) {
        std::swap(au, av);
        std::swap(du, dv);
        std::swap(uLow, vLow);
        std::swap(uHigh, vHigh);
    }
    auto* bits = target.image->bits();
    const qsizetype stride = target.image->bytesPerLine();
    // Premultiplied, laid over as Qt does: what is there shows through by the rest of alpha.
    const QRgb source = qPremultiply(colour);
    const uint rest = 255 - qAlpha(colour);
    const auto plot = [&](std::int64_t u, std::int64_t v) {
        if (v < vLow || v > vHigh)
            return;
        const std::int64_t x = steep ? v : u;
        const std::int64_t y = steep ? u : v;
        QRgb& pixel = reinterpret_cast<QRgb*>(bits + static_cast<qsizetype>(y) * stride)[x];
        if (rest == 0) {
            pixel = source;
            return;
        }
        const auto over = [&](int shift) {
            const uint there = (pixel >> shift & 0xFF) * rest;
            return (((source >> shift & 0xFF) + (there + 128 + ((there + 128) >> 8)) / 256) & 0xFF)
                   << shift;
        };
        pixel = over(24) | over(16) | over(8) | over(0);
    };
    if (du == 0) {
        if (!fromJoin && au >= uLow && au <= uHigh)
            plot(au, av);
        return;
    }
    const std::int64_t step = du > 0 ? 1 : -1;
    const std::int64_t first = du > 0 ? std::max(au, uLow) : std::min(au, uHigh);
    const std::int64_t last = du > 0 ? std::min(au + du, uHigh) : std::max(au + du, uLow);
    if ((last - first) * step < 0)
        return;
    // v = av + floor((2 i dv + |du|) / (2 |du|)) at i steps from a: the nearest row (a tie goes
    // down or right), from whole numbers only; then stepped on with the remainder.
    const std::int64_t span = 2 * std::abs(du);
    const std::int64_t rise = 2 * dv;
    const Wide start = static_cast<Wide>((first - au) * step) * rise + std::abs(du);
    Wide quotient = start / span;
    Wide remainder = start % span;
    if (remainder < 0) {
        remainder += span;
        --quotient;
    }
    std::int64_t v = av + static_cast<std::int64_t>(quotient);
    std::int64_t r = static_cast<std::int64_t>(remainder);
    for (std::int64_t u = first;; u += step) {
        if (!(fromJoin && u == au))
            plot(u, v);
        if (u == last)
            break;
        r += rise;
        while (r >= span) {
            r -= span;
            ++v;
        }
        while (r < 0) {
            r += span;
            --v;
        }
    }
}

} // namespace view
