#include "view/ImageTurn.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <future>
#include <limits>
#include <numbers>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

namespace view {

namespace {

// Map pixels in units of 2^-33: the middle of canvas pixel k lies at k + 1/2, so twice it is
// an odd whole number, and with the turn's cosine and sine in units of 2^-32 every position is
// an exact integer.
constexpr int kShift = 33;
constexpr double kUnit = 8589934592.0; // 2^33
// Fewer pixels than this turn on one thread: starting a second costs more than it saves.
constexpr std::int64_t kSplitPixels = 1 << 16;

// Wide enough for a canvas pixel times the turn's sine (GCC and Clang on 64-bit targets).
__extension__ typedef __int128 Wide;

struct Turn {
    std::int64_t c; // cosine and sine, units of 2^-32
    std::int64_t s;
};

Turn TurnOf(double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    return {std::llround(std::cos(r) * 4294967296.0), std::llround(std::sin(r) * 4294967296.0)};
}

// The unturned position of canvas pixel k's middle, less at, in units of 2^-33; empty when it
// lies too far off for 63 bits (no pixel of the square is there).
std::optional<std::pair<std::int64_t, std::int64_t>> Back(Turn t, QPoint k, QPoint at) {
    const Wide x = 2 * static_cast<Wide>(k.x()) + 1;
    const Wide y = 2 * static_cast<Wide>(k.y()) + 1;
    const Wide u = t.c * x + t.s * y - (static_cast<Wide>(at.x()) << kShift);
    const Wide v = -t.s * x + t.c * y - (static_cast<Wide>(at.y()) << kShift);
    constexpr Wide kLimit = static_cast<Wide>(1) << 62;
    if (u <= -kLimit || u >= kLimit || v <= -kLimit || v >= kLimit)
        return std::nullopt;
    return std::pair(static_cast<std::int64_t>(u), static_cast<std::int64_t>(v));
}

// The run of x in [from, to) at which pos + (x - from) * step, shifted down, lies in [0, size):
// the position is linear in x, so the run is one piece (empty when there is none).
std::pair<int, int> InsideRun(std::int64_t pos, std::int64_t step, std::int64_t size, int from,
                              int to) {
    const auto inside = [&](int x) {
        const std::int64_t at = (pos + (x - from) * step) >> kShift;
        return at >= 0 && at < size;
    };
    if (step == 0)
        return inside(from) ? std::pair(from, to) : std::pair(from, from);
    // Solved in doubles, then walked to the exact edge: the rounding moves it a pixel at most.
    const double p = static_cast<double>(pos);
    const double d = static_cast<double>(step);
    const double lowAt = from - p / d;
    const double highAt = from + (static_cast<double>(size) * kUnit - p) / d;
    const double first = std::min(lowAt, highAt);
    const double last = std::max(lowAt, highAt);
    int a = static_cast<int>(std::clamp(std::floor(first), double(from), double(to)));
    int b = static_cast<int>(std::clamp(std::ceil(last), double(from), double(to)));
    while (a < b && !inside(a))
        ++a;
    while (a > from && inside(a - 1))
        --a;
    while (b > a && !inside(b - 1))
        --b;
    while (b < to && inside(b))
        ++b;
    return {a, b};
}

} // namespace

std::array<QPointF, 4> TurnedBackCorners(QRect area, double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const double left = area.left();
    const double top = area.top();
    const double right = left + area.width();
    const double bottom = top + area.height();
    std::array<QPointF, 4> corners;
    const std::array<QPointF, 4> canvas = {
        {{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    for (std::size_t i = 0; i < canvas.size(); ++i)
        corners[i] =
            QPointF(c * canvas[i].x() + s * canvas[i].y(), -s * canvas[i].x() + c * canvas[i].y());
    return corners;
}

bool TurnImage(QImage& target, QRect area, QPoint corner, const QImage& square, QPoint at,
               double degrees) {
    // Qt's turn of an image reads its pixels along slanted lines and waits for nearly every
    // one; here each pixel's line is fetched two rows early, which makes it twice as fast.
    // Opaque pixels of one layout: 0xAARRGGBB words with AA = 0xFF.
    const auto opaque = [](const QImage& image) {
        return image.format() == QImage::Format_RGB32 ||
               image.format() == QImage::Format_ARGB32_Premultiplied ||
               image.format() == QImage::Format_ARGB32;
    };
    if (!opaque(square) || !opaque(target) || square.isNull())
        return false;
    area &= target.rect();
    const Turn t = TurnOf(degrees);
    // One pixel right, and two rows down.
    const std::int64_t du = 2 * t.c;
    const std::int64_t dv = -2 * t.s;
    const std::int64_t aheadU = 4 * t.s;
    const std::int64_t aheadV = 4 * t.c;
    const std::int64_t w = square.width();
    const std::int64_t h = square.height();
    const auto* bits = reinterpret_cast<const QRgb*>(square.constBits());
    const auto base = reinterpret_cast<std::uintptr_t>(bits);
    const std::int64_t stride = square.bytesPerLine() / 4;
    // Taken once: a second thread must not detach the image under the first.
    auto* out = reinterpret_cast<QRgb*>(target.bits());
    const std::int64_t outStride = target.bytesPerLine() / 4;
    const auto turnRows = [&](int firstRow, int endRow) {
        for (int y = firstRow; y < endRow; ++y) {
            const auto start = Back(t, QPoint(area.left(), y) + corner, at);
            if (!start)
                continue;
            const auto [ua, ub] =
                InsideRun(start->first, du, w, area.left(), area.left() + area.width());
            const std::int64_t v0 = start->second + (ua - area.left()) * dv;
            const auto [from, to] = InsideRun(v0, dv, h, ua, ub);
            std::int64_t u = start->first + (from - area.left()) * du;
            std::int64_t v = start->second + (from - area.left()) * dv;
            QRgb* row = out + y * outStride;
            for (int x = from; x < to; ++x, u += du, v += dv) {
                // An address past the square is only fetched early, never read: no fault.
                __builtin_prefetch(reinterpret_cast<const void*>(
                    base +
                    static_cast<std::uintptr_t>(
                        (((v + aheadV) >> kShift) * stride + ((u + aheadU) >> kShift)) * 4)));
                row[x] = bits[(v >> kShift) * stride + (u >> kShift)];
            }
        }
    };
    // A whole frame turns in two halves side by side: a turning view waits half as long on a
    // second core. Each pixel depends on its canvas pixel alone, so the halves join unseen.
    const int end = area.top() + area.height();
    if (static_cast<std::int64_t>(area.width()) * area.height() < kSplitPixels ||
        std::thread::hardware_concurrency() < 2) {
        turnRows(area.top(), end);
        return true;
    }
    const int middle = area.top() + area.height() / 2;
    std::future<void> lower;
    try {
        lower = std::async(std::launch::async, turnRows, middle, end);
    } catch (const std::system_error&) {
        turnRows(middle, end); // no thread to be had: the frame is turned all the same
    }
    turnRows(area.top(), middle);
    if (lower.valid())
        lower.get();
    return true;
}

} // namespace view
