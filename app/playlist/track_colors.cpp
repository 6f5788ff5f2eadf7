#include "track_colors.h"

#include <array>

int32_t StartupTrackColor(int slot)
{
    static constexpr std::array<int32_t, 15> colors = {
        0xFF8080, 0x80FF80, 0x8080FF, 0xFFFF80, 0xFF80FF,
        0x80FFFF, 0xFF8000, 0x0080FF, 0x8000FF, 0x80FF00,
        0x00FF80, 0xFF0080, 0x008080, 0x808000, 0x800080,
    };
    if (slot < 1 || slot > 30)
        return 0;
    return colors[(slot - 1) % 15];
}
