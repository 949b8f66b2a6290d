#include "view/LayerImage.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Side of the squares the image is cut into for blending.
constexpr int kBlock = 32;

} // namespace

int FloorToScrollStep(int value) {
    return static_cast<int>(std::floor(value / static_cast<double>(kLayerScrollStep))) *
           kLayerScrollStep;
}

bool LayerImage::Build(QSize size, qreal ratio, const std::function<void(QPainter&)>& paint) {
    // In device pixels, so that a high-density screen gets the same pixels as drawing straight
    // onto it.
    const QSize device(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    if (image_.size() != device)
        image_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
    if (image_.isNull())
        return false;
    image_.setDevicePixelRatio(ratio);
    filled_.clear();
    image_.fill(Qt::transparent);
    if (paint) {
        {
            QPainter layer(&image_);
            paint(layer);
        }
        FindFilledBlocks();
    }
    return true;
}

void LayerImage::Blend(QPainter& painter, ViewPoint shift, QSize viewSize) const {
    if (image_.devicePixelRatio() != 1.0) {
        // Runs of device pixels need not fall on whole view pixels (and the area is the view).
        painter.drawImage(QPointF(0, 0), image_);
        return;
    }
    const QRect view(QPoint(shift.x, shift.y), viewSize);
    for (const QRect& run : filled_)
        if (const QRect shown = run & view; !shown.isEmpty())
            painter.drawImage(shown.topLeft() - view.topLeft(), image_, shown);
}

void LayerImage::Clear() {
    image_ = QImage();
    filled_.clear();
}

void LayerImage::FindFilledBlocks() {
    filled_.clear();
    const int width = image_.width();
    const int height = image_.height();
    const int columns = (width + kBlock - 1) / kBlock;
    std::vector<char> filled(static_cast<std::size_t>(columns));
    for (int top = 0; top < height; top += kBlock) {
        std::fill(filled.begin(), filled.end(), 0);
        const int bottom = std::min(height, top + kBlock);
        for (int y = top; y < bottom; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
            for (int column = 0; column < columns; ++column) {
                if (filled[static_cast<std::size_t>(column)])
                    continue;
                const QRgb* from = line + column * kBlock;
                const QRgb* to = line + std::min(width, (column + 1) * kBlock);
                filled[static_cast<std::size_t>(column)] =
                    std::any_of(from, to, [](QRgb pixel) { return pixel != 0; });
            }
        }
        // Neighbouring blocks as one run: fewer, longer blends.
        for (int column = 0; column < columns;) {
            if (!filled[static_cast<std::size_t>(column)]) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < columns && filled[static_cast<std::size_t>(column)])
                ++column;
            const int right = std::min(width, column * kBlock);
            filled_.push_back(QRect(first * kBlock, top, right - first * kBlock, bottom - top));
        }
    }
}

} // namespace view
