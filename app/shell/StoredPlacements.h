// The stored places of the three windows (the main window fPlayList, the
// play bar fPlayBar, the fade editor fFadeInEditer) with their defaults:
// the settings section and extent key each is stored under, the check that
// puts a lost window back, and the places "arrange" gives.
#pragma once

#include "WindowPlacement.h"

class SettingsStore;

namespace placements {

enum class Window { PlayList, PlayBar, Editor };

WindowPlacement defaults(Window window);
// The stored place, or the default one when none is stored or the stored
// one is off the screen.
WindowPlacement read(const SettingsStore& store, Window window);
void write(SettingsStore& store, Window window, const WindowPlacement& placement);
// "Arrange": the window's default top and extent at the given left edge.
WindowPlacement arranged(Window window, float left);

}  // namespace placements
