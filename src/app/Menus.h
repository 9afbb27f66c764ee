#pragma once
// The designed menus as data: a tree of names and captions per menu. Handlers are bound
// by item name in the window's code.

#include <vector>

#include "ui/Menu.h"

namespace tesvar {

struct MenuDef {
    const char* name;
    const char* caption;  // "-" for a separator
    std::vector<MenuDef> items = {};
    bool checked = false;    // the designed tick
    bool autoCheck = false;  // the menu flips the tick before the handler runs
};

const std::vector<MenuDef>& mainMenuDefinition();
const std::vector<MenuDef>& popupMenu1Definition();
const std::vector<MenuDef>& popupMenu2Definition();

// Appends the definition's items to the menu's top level.
void buildMenu(ui::Menu& menu, const std::vector<MenuDef>& items);

}  // namespace tesvar
