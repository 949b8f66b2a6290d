#include "view/InfoLines.h"

#include "view/SymbolPainter.h"

#include <QFontMetrics>

namespace view {

namespace {

int InfoLineHeight() {
    return QFontMetrics(InfoFont()).height();
}

} // namespace

QFont InfoFont() {
    return HandheldFont(8.5);
}

QRect StatusLineRect(int clientWidth, int /*clientHeight*/) {
    return QRect(0, 0, clientWidth, InfoLineHeight() - 1);
}

QRect CursorLineRect(int clientWidth, int clientHeight) {
    const int h = InfoLineHeight();
    return QRect(0, clientHeight - h + 1, clientWidth, h - 1);
}

} // namespace view
