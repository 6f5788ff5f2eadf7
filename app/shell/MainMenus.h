// The main window's menu tree and toolbar buttons as designed: names,
// captions with access keys, shortcuts, and how each item is created.
#pragma once

#include <span>

struct MenuEntry {
    enum Kind { Menu, Command, Separator };

    const char* name;      // objectName
    const char* caption;   // UTF-8; "&" marks the access key
    const char* shortcut;  // key sequence text, empty for none
    Kind kind;             // a Menu entry opens the menu its Commands follow
    bool enabled;          // created enabled
    bool visible;          // created visible
    bool checkable;        // carries a check mark
};

struct ToolbarEntry {
    const char* key;       // the button's key, also its objectName
    const char* toolTip;   // UTF-8
    const char* menuName;  // the menu item whose command the button runs
};

// In menu-bar order; every Command and Separator belongs to the last Menu
// before it.
std::span<const MenuEntry> mainMenuEntries();
// Left to right.
std::span<const ToolbarEntry> mainToolbarEntries();
