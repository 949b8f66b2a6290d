#pragma once

#include "app/Commands.h"

#include <QString>

#include <functional>
#include <map>
#include <span>
#include <string_view>

class QAction;
class QMenu;
class QMenuBar;

namespace app {

// Puts every item of items into its menu, found by the menu's id and never by its title: the
// menu bar's menus in their order, a submenu where its first item comes, the context menu's
// items into context. action gives the action of an item's id (a List item's is its submenu's).
// The menu bar's titles and items take mnemonics; the context menu, opened by the pointer,
// takes none. Returns the menus by id.
// A text of the tables (a menu's title, an item's text, a toolbar button's tip) in the window's
// language.
QString MenuText(std::string_view text);

std::map<Menu, QMenu*> BuildMenuTree(std::span<const MenuDef> menus,
                                     std::span<const MenuItemDef> items, QMenuBar& bar,
                                     QMenu& context, const std::function<QAction*(int id)>& action);

} // namespace app
