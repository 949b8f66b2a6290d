#pragma once

#include "app/Commands.h"

#include <functional>
#include <map>
#include <span>

class QAction;
class QMenu;
class QMenuBar;

namespace app {

// Puts every item of items into its menu, found by the menu's id and never by its title: the
// menu bar's menus in their order, a submenu where its first item comes, the context menu's
// items into context. action gives the action of an item's id (a List item's is its submenu's).
// The menu bar's titles and items take mnemonics; the context menu, opened by the pointer,
// takes none. Returns the menus by id.
std::map<Menu, QMenu*> BuildMenuTree(std::span<const MenuDef> menus,
                                     std::span<const MenuItemDef> items, QMenuBar& bar,
                                     QMenu& context, const std::function<QAction*(int id)>& action);

} // namespace app
