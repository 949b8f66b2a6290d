#pragma once

#include <QString>

class QWidget;

// Help > Keyboard Shortcuts and Help > User Guide.
namespace app {

// Every shortcut of the command table beside its menu item, as "Menu > Item", in an HTML table.
QString ShortcutsHtml();
// The installed guide (share/quilo/guide.html beside the program's bin/), else the one the
// build wrote; empty when neither is there.
QString UserGuidePath();

// Each in a window of its own over parent, closed by Close; the guide's links to its own
// sections are followed inside it, others open in the desktop's browser.
void ShowShortcuts(QWidget* parent);
void ShowUserGuide(QWidget* parent);

} // namespace app
