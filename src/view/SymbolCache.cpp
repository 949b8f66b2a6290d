#include "view/SymbolCache.h"

#include "points/MapPoint.h"
#include "view/SymbolPainter.h"
#include "view/Symbols.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace view {

std::size_t SymbolCache::KeyHash::operator()(const Key& key) const {
    std::size_t h = std::hash<std::string>{}(key.label);
    for (const int field : {key.symbol, key.lineColour, key.fillColour, key.size})
        h = h * 1000003u ^ std::hash<int>{}(field);
    return h;
}

SymbolCache::Entry SymbolCache::Render(const Key& key) {
    // Room for the largest shape with its widest pen on every side, and the label (outline
    // included) to the right of it.
    const int reach = SymbolRadius(key.size) + SymbolPenWidth(key.size) + 2;
    const QString label = QString::fromStdString(key.label);
    const QFontMetrics metrics(LabelFont());
    const int labelWidth = label.isEmpty() ? 0 : metrics.horizontalAdvance(label) + 8;
    const int below = std::max(reach, metrics.height() + 4);
    Entry entry;
    entry.centre = QPoint(reach, reach);
    entry.image =
        QImage(2 * reach + 1 + labelWidth, reach + 1 + below, QImage::Format_ARGB32_Premultiplied);
    entry.image.fill(Qt::transparent);
    QPainter painter(&entry.image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    DrawSymbol(painter, entry.centre, key.symbol, key.lineColour, key.fillColour, key.size, label,
               !label.isEmpty());
    return entry;
}

const SymbolCache::Entry* SymbolCache::Find(const CMapPoint& point, bool showLabel) {
    if (point.GetSymbol() == kSymbolInvisible)
        return nullptr;
    Key key{point.GetSymbol(), point.GetLineColour(), point.GetFillColour(), point.GetSize(),
            showLabel ? point.GetName() : std::string()};
    auto found = entries_.find(key);
    if (found == entries_.end()) {
        if (entries_.size() >= kMaxEntries)
            entries_.clear();
        Entry entry = Render(key);
        found = entries_.emplace(std::move(key), std::move(entry)).first;
    }
    return &found->second;
}

void SymbolCache::Draw(QPainter& painter, const CMapPoint& point, QPoint centre, bool showLabel) {
    if (const Entry* entry = Find(point, showLabel))
        painter.drawImage(centre - entry->centre, entry->image);
}

void SymbolCache::DrawIn(QPainter& painter, const CMapPoint& point, QPoint centre, bool showLabel,
                         const QRect& view) {
    if (point.GetSymbol() == kSymbolInvisible)
        return;
    // Most points far from the view are passed over without their picture: it lies within the
    // shape's reach and, right of it, a label no wider than twice its bytes at the font's
    // widest character. In 64 bits: a point far off the map lies near the end of the view's
    // 32-bit range.
    if (!view.contains(centre)) {
        static const std::int64_t widest = QFontMetrics(LabelFont()).maxWidth();
        static const std::int64_t high = QFontMetrics(LabelFont()).height() + 4;
        const std::int64_t reach =
            SymbolRadius(point.GetSize()) + SymbolPenWidth(point.GetSize()) + 2;
        const std::int64_t bytes =
            showLabel ? static_cast<std::int64_t>(point.GetName().size()) : 0;
        const std::int64_t x = centre.x();
        const std::int64_t y = centre.y();
        if (x + reach + 8 + bytes * 2 * widest < view.left() || x - reach > view.right() ||
            y + std::max(reach, high) < view.top() || y - reach > view.bottom())
            return;
    }
    const Entry* entry = Find(point, showLabel);
    if (entry == nullptr)
        return;
    const QRect drawn(centre - entry->centre, entry->image.size());
    if (drawn.intersects(view))
        painter.drawImage(drawn.topLeft(), entry->image);
}

} // namespace view
