#pragma once

#include <QFont>
#include <QRect>

namespace view {

// The two text lines laid over the view's edges, where both the frame and the live display's
// overlays (which keep clear of them) need them.

// The handheld's 8.5 pt font of the lines (see HandheldFont).
QFont InfoFont();

// Where the info lines lie for a client area: both as wide as the client area and one pixel
// less high than the info font's text; the status line at the top, the cursor line at the
// bottom.
QRect StatusLineRect(int clientWidth, int clientHeight);
QRect CursorLineRect(int clientWidth, int clientHeight);

} // namespace view
