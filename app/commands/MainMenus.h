// The main window's menu tree and toolbar buttons as designed: names,
// captions with access keys, shortcuts, and how each item is created. A new
// command is one more row here.
#pragma once

#include "CommandTable.h"

#include <span>

// In menu-bar order; every Command and Separator belongs to the last Menu
// before it.
std::span<const MenuEntry> mainMenuEntries();
// Left to right.
std::span<const ToolbarEntry> mainToolbarEntries();
