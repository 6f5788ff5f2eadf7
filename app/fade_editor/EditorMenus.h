// The fade editor's menus and toolbar as designed: the fade-in and fade-out
// menus with their items and separators, and the toolbar buttons with their
// keys, tool tips and the menu item each one runs.
#pragma once

#include <span>

struct EditorMenuEntry {
    const char* name;     // objectName; empty for a separator
    const char* caption;  // UTF-8; "&" marks the access key
};

struct EditorMenu {
    const char* name;
    const char* caption;
    std::span<const EditorMenuEntry> entries;
};

struct EditorButton {
    const char* key;       // the button's key, also its objectName
    const char* toolTip;   // UTF-8
    const char* menuName;  // the menu item it runs; empty for the view's own buttons
};

// "ﾌｪｰﾄﾞｲﾝ編集(&I)" and "ﾌｪｰﾄﾞｱｳﾄ編集(&O)", in menu-bar order.
std::span<const EditorMenu> editorMenus();
// Left to right: zoom, play and stop, then the eight editing buttons.
std::span<const EditorButton> editorButtons();
