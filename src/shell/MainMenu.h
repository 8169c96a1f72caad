#pragma once

#include <QString>
#include <vector>

namespace zentar::shell {

// One line of the main menu: a top menu (level 0), an item, a submenu or a separator.
struct MenuEntry {
    enum class Kind { TopMenu, Item, SubMenu, EndSubMenu, Separator };
    Kind kind;
    const char* objectName = nullptr;
    const char* caption = nullptr;
    const char* hint = nullptr;
};

// The whole main menu in order, with every caption and hint as the librarians know them.
const std::vector<MenuEntry>& mainMenu();

} // namespace zentar::shell
