#pragma once

#include <QImage>
#include <QPoint>

#include <cstddef>
#include <string>
#include <unordered_map>

class CMapPoint;
class QPainter;
class QRect;

namespace view {

// Map point symbols with their labels, each drawn once into a small image and then copied:
// drawing a label's outline and text costs five text draws, a copy one blit. With antialiasing
// off every pixel is either fully painted or untouched, so the copy is exact.
class SymbolCache {
public:
    // As DrawMapPoint draws it.
    void Draw(QPainter& painter, const CMapPoint& point, QPoint centre, bool showLabel);
    // As Draw, when any of the picture falls within view: a symbol or label reaching into the
    // view from a point beyond its edge shows, wherever the edge lies.
    void DrawIn(QPainter& painter, const CMapPoint& point, QPoint centre, bool showLabel,
                const QRect& view);

private:
    struct Key {
        int symbol, lineColour, fillColour, size;
        std::string label; // empty when not shown
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Entry {
        QImage image;  // transparent where nothing is drawn
        QPoint centre; // of the symbol within the image
    };
    // More distinct looks than this (a points file with very many names) start afresh.
    static constexpr std::size_t kMaxEntries = 8192;

    static Entry Render(const Key& key);
    // The point's picture, rendered when not kept; null for an invisible symbol.
    const Entry* Find(const CMapPoint& point, bool showLabel);

    std::unordered_map<Key, Entry, KeyHash> entries_;
};

} // namespace view
