#include "view/KeptFrame.h"

#include <QPainter>
#include <QtMath>

namespace view {

void KeptFrame::Draw(QPainter& painter, const Key& key,
                     const std::function<void(QPainter&)>& paint) {
    const int width = key.geometry.ClientWidth();
    const int height = key.geometry.ClientHeight();
    const QSize size(qCeil(width * key.pixelRatio), qCeil(height * key.pixelRatio));
    if (size.isEmpty())
        return;
    if (!valid_ || !(key == key_) || image_.size() != size) {
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

} // namespace view
