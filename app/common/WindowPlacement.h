// A window's stored place in twips: top, left and the one stored extent
// (the main window's height, the other windows' width).
#pragma once

struct WindowPlacement {
    float top = 0;
    float left = 0;
    float extent = 0;

    // A top above the screen or 30000 twips and more below it puts the
    // window back at its default top, at the left edge, with its default
    // extent. The left edge is never tested by itself.
    WindowPlacement checked(const WindowPlacement& defaults) const
    {
        if (top < 0 || top >= 30000)
            return {defaults.top, 0, defaults.extent};
        return *this;
    }
};
