#include "app/MenuTree.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <set>
#include <string>

namespace app {

namespace {

// The text with a mnemonic on its first letter or digit that no earlier entry of the same menu
// took; none when every one is taken.
QString WithMnemonic(const QString& text, std::set<QChar>& taken) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i].toLower();
        if (c.isLetterOrNumber() && taken.insert(c).second)
            return text.left(i) + '&' + text.mid(i);
    }
    return text;
}

} // namespace

QString MenuText(std::string_view text) {
    return QCoreApplication::translate("Menu", std::string(text).c_str());
}

std::map<Menu, QMenu*> BuildMenuTree(std::span<const MenuDef> menus,
                                     std::span<const MenuItemDef> items, QMenuBar& bar,
                                     QMenu& context,
                                     const std::function<QAction*(int id)>& action) {
    std::map<Menu, QMenu*> made{{Menu::Context, &context}};
    std::map<const QWidget*, std::set<QChar>> keys; // the mnemonics taken, by menu
    const auto text = [&keys, &context](std::string_view plain, const QWidget& in) {
        return &in == &context ? MenuText(plain) : WithMnemonic(MenuText(plain), keys[&in]);
    };
    for (const MenuDef& menu : menus)
        if (menu.parent == Menu::Bar)
            made[menu.id] = bar.addMenu(text(menu.title, bar));
    // A submenu is made in its parent when its first item comes.
    const std::function<QMenu*(Menu)> menuOf = [&](Menu id) -> QMenu* {
        if (const auto it = made.find(id); it != made.end())
            return it->second;
        for (const MenuDef& menu : menus)
            if (menu.id == id && menu.parent != Menu::Bar && menu.parent != Menu::None)
                if (QMenu* parent = menuOf(menu.parent))
                    return made[id] = parent->addMenu(text(menu.title, *parent));
        return nullptr;
    };
    for (const MenuItemDef& item : items) {
        QMenu* menu = item.menu == Menu::None ? nullptr : menuOf(item.menu);
        if (menu == nullptr)
            continue;
        if (item.kind == ItemKind::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* entry = action(item.id);
        entry->setText(text(item.text, *menu));
        menu->addAction(entry);
    }
    return made;
}

} // namespace app
