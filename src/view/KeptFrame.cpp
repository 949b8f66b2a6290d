#include "view/KeptFrame.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace view {

void KeptFrame::Draw(QPainter& painter, const Key& key,
                     const std::function<void(QPainter&)>& paint) {
    const int width = key.geometry.ClientWidth();
    const int height = key.geometry.ClientHeight();
    const QSize size(qCeil(width * key.pixelRatio), qCeil(height * key.pixelRatio));
    if (size.isEmpty())
        return;
    if (const std::optional<QPoint> shift =
            valid_ && !(key == key_) && image_.size() == size ? ShiftTo(key) : std::nullopt) {
        Shift(*shift, paint, painter);
        key_ = key;
    } else if (!valid_ || !(key == key_) || image_.size() != size) {
        valid_ = false;
        if (image_.size() != size)
            image_ = QImage(size, QImage::Format_RGB32);
        if (image_.isNull()) {
            // Without the memory for it the layers go straight onto the frame.
            paint(painter);
            return;
        }
        image_.setDevicePixelRatio(key.pixelRatio);
        QPainter kept(&image_);
        kept.setRenderHints(painter.renderHints());
        kept.setFont(painter.font());
        paint(kept);
        key_ = key;
        valid_ = true;
    }
    // Only the part the paint shows: a new status text repaints its band alone.
    QRectF target(0, 0, width, height);
    if (painter.hasClipping())
        target &= painter.clipBoundingRect();
    if (target.isEmpty())
        return;
    const QRectF source(target.topLeft() * key.pixelRatio, target.size() * key.pixelRatio);
    painter.drawImage(target, image_, source);
}

std::optional<QPoint> KeptFrame::ShiftTo(const Key& key) const {
    const ViewGeometry& was = key_.geometry;
    const ViewGeometry& now = key.geometry;
    if (!key.shifts || !key_.shifts || key.placed != key_.placed ||
        key.pixelRatio != key_.pixelRatio || key.map != key_.map ||
        key.nightAmount != key_.nightAmount || now.ClientWidth() != was.ClientWidth() ||
        now.ClientHeight() != was.ClientHeight() || now.ImageWidth() != was.ImageWidth() ||
        now.ImageHeight() != was.ImageHeight() || now.Zoom() != was.Zoom() ||
        now.Rotation() != was.Rotation() || now.Dragging() != was.Dragging())
        return std::nullopt;
    // On a turned view the canvas moves by whole pixels (its origin), not the offset.
    const std::optional<ViewPoint> from = was.CanvasOrigin(was.PaintOffset());
    const std::optional<ViewPoint> to = now.CanvasOrigin(now.PaintOffset());
    if (!from || !to)
        return std::nullopt;
    const double dx = (static_cast<double>(to->x) - from->x) * key.pixelRatio;
    const double dy = (static_cast<double>(to->y) - from->y) * key.pixelRatio;
    // Whole device pixels, and some of the picture still in view.
    if (dx != std::trunc(dx) || dy != std::trunc(dy) || std::abs(dx) >= image_.width() ||
        std::abs(dy) >= image_.height())
        return std::nullopt;
    return QPoint(static_cast<int>(dx), static_cast<int>(dy));
}

void KeptFrame::Shift(QPoint shift, const std::function<void(QPainter&)>& paint,
                      const QPainter& like) {
    const int width = image_.width();
    const int height = image_.height();
    const int dx = shift.x();
    const int dy = shift.y();
    // The pixel (x, y) becomes what was at (x + dx, y + dy): rows taken from below are moved
    // top first, those from above bottom first, so none is overwritten before it is moved.
    const auto move = [&](int y) {
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(image_.constScanLine(y + dy));
        std::memmove(to + std::max(0, -dx), from + std::max(0, dx),
                     static_cast<std::size_t>(width - std::abs(dx)) * sizeof(QRgb));
    };
    if (dy >= 0)
        for (int y = 0; y < height - dy; ++y)
            move(y);
    else
        for (int y = height - 1; y >= -dy; --y)
            move(y);
    // The uncovered rows across, then the uncovered columns between them, in view pixels.
    const qreal ratio = image_.devicePixelRatio();
    const QRect rows = dy > 0 ? QRect(0, height - dy, width, dy) : QRect(0, 0, width, -dy);
    const int top = std::max(0, -dy);
    const QRect columns = dx > 0 ? QRect(width - dx, top, dx, height - std::abs(dy))
                                 : QRect(0, top, -dx, height - std::abs(dy));
    QPainter kept(&image_);
    kept.setRenderHints(like.renderHints());
    kept.setFont(like.font());
    for (const QRect& strip : {rows, columns}) {
        if (strip.isEmpty())
            continue;
        kept.save();
        kept.setClipRect(QRectF(QPointF(strip.topLeft()) / ratio, QSizeF(strip.size()) / ratio));
        paint(kept);
        kept.restore();
    }
}

} // namespace view
