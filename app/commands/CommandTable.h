// The rows a window's menus and toolbar are made from (MainCommands): plain
// constant tables, one row per menu, menu item, separator or button.
#pragma once

struct MenuEntry {
    enum Kind { Menu, Command, Separator };

    const char* name;          // objectName; empty for a separator without one
    const char* caption;       // UTF-8; "&" marks the access key
    const char* shortcut;      // key sequence text, empty for none
    Kind kind;                 // a Menu entry opens the menu its Commands follow
    bool enabled = true;       // created enabled
    bool visible = true;       // created visible
    bool checkable = false;    // carries a check mark
};

struct ToolbarEntry {
    const char* key;       // the button's key, also its objectName
    const char* toolTip;   // UTF-8
    const char* menuName;  // the menu item whose command the button runs;
                           // empty: the button runs the command of its key
};
