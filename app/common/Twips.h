// Window geometry is designed in twips (1/1440 inch); the screen has 15
// twips to a pixel at 96 dots per inch.
#pragma once

#include <cmath>

namespace twips {

inline constexpr int PerPixel = 15;

inline int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}

// The fewest whole pixels that cover the given twips.
inline int toPixelsCovering(int twips)
{
    return (twips + PerPixel - 1) / PerPixel;
}

inline double fromPixels(int pixels)
{
    return static_cast<double>(pixels) * PerPixel;
}

}  // namespace twips
