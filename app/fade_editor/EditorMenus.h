// The fade editor's menus and toolbar as designed: the File menu (its track
// items are added by the window), the fade-in and fade-out menus with their
// items and separators, and the toolbar buttons with their keys, tool tips
// and the menu item each one runs.
#pragma once

#include "CommandTable.h"

#include <span>

// "ﾌｧｲﾙ(&F)", "ﾌｪｰﾄﾞｲﾝ編集(&I)" and "ﾌｪｰﾄﾞｱｳﾄ編集(&O)", in menu-bar order.
std::span<const MenuEntry> editorMenuEntries();
// Left to right: zoom, play and stop (the view's own commands), then the
// eight editing buttons.
std::span<const ToolbarEntry> editorButtons();
