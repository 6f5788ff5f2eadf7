// The colours the list slots receive at start-up.
#pragma once

#include <cstdint>

// Colour (0x00BBGGRR) of list slot 1..30 at start-up: 15 colours, slot i and
// slot i + 15 sharing one. Slot 0 and slots out of range give 0.
int32_t StartupTrackColor(int slot);
