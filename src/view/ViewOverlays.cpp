#include "view/ViewOverlays.h"

#include <QFont>
#include <QPainter>

namespace view {

namespace {

constexpr int kMarkRadius = 7;

} // namespace

void PaintCalibrationMarks(QPainter& painter, const ViewGeometry& geometry,
                           const std::vector<MapPos>& pixels) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::optional<ViewPoint> at =
            geometry.ImageToScreen(pixels[i], geometry.PaintOffset());
        if (!at || !geometry.InClient(*at))
            continue;
        const QPoint centre(at->x, at->y);
        // White under magenta: the mark stays visible on dark and light map colours.
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::white), 4}, {QColor(Qt::magenta), 2}}) {
            painter.setPen(QPen(colour, width));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, kMarkRadius, kMarkRadius);
        }
        const QString number = QString::number(i + 1);
        const QPoint textAt = centre + QPoint(kMarkRadius + 3, -kMarkRadius);
        painter.setPen(Qt::white);
        painter.drawText(textAt + QPoint(1, 1), number);
        painter.setPen(Qt::magenta);
        painter.drawText(textAt, number);
    }
    painter.restore();
}

void PaintNoMapHint(QPainter& painter, const ViewGeometry& geometry, const QColor& colour) {
    painter.save();
    painter.setPen(colour);
    const QRect client(0, 0, geometry.ClientWidth(), geometry.ClientHeight());
    painter.drawText(client.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     "Load a map with File > Load Map... or drop an image here");
    painter.restore();
}

} // namespace view
