#pragma once

#include <QString>

#include <string>

namespace view {

// A text the core made, in the window's language. The core marks its texts with
// QUILO_TRANSLATABLE("core", ...) (base/Translatable.h): a whole text, each of its lines, a
// line's lead up to its first ": " ("Unable to open file: " before a path), or what follows
// that lead ("GPS: " before "End of log.") is looked up; the rest (paths, numbers, the system's
// own words) stays as it came.
QString CoreText(const std::string& text);

} // namespace view
