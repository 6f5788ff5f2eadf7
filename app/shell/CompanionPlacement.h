// The stored place of a window beside the main window (the play bar): top,
// left and width in twips. Its height is the window's own.
#pragma once

#include "WindowPlacement.h"

class QWidget;

WindowPlacement companionPlacement(const QWidget& window);
// Moves and sizes the window, shown or hidden.
void placeCompanion(QWidget& window, const WindowPlacement& placement);
