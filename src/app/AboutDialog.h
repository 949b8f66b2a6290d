#pragma once

class QWidget;

namespace app {

// Help > About...: the icon, the name, the version and where to write, until OK.
void RunAboutDialog(QWidget* parent);

} // namespace app
