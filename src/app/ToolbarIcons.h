#pragma once

#include "app/Commands.h"

#include <QIcon>

namespace app {

// The toolbar's pictures, drawn here so that the program carries no borrowed art.
[[nodiscard]] QIcon MakeToolbarIcon(ToolbarIcon which);
// The menu bar's toolbar toggle: a strip of buttons under a window edge.
[[nodiscard]] QIcon MakeToolbarToggleIcon();
// The program's window icon: the GPS marker over a map corner.
[[nodiscard]] QIcon MakeAppIcon();

} // namespace app
