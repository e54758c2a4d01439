#pragma once
#include <vector>

/// Marks a separator in a menu's item list.
inline constexpr int kMenuSeparator = -1;

/// One menu item: id, label (accelerator after the tab) and the help string shown in
/// the status bar. Texts are untranslated.
struct MenuItemSpec {
    int id;
    const char* label;
    const char* help;
};

struct MenuSpec {
    const char* title;
    std::vector<MenuItemSpec> items;
};

/// The main window's menu bar, menu by menu, item by item, in order.
const std::vector<MenuSpec>& MainMenuTable();
