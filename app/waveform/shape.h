// One thing to draw on a waveform's picture: a line, a filled box, a point
// or a text, in the picture's own units and colours. The windows that show
// a waveform build lists of these without widgets and replay them.
#pragma once

#include <QString>

#include <cstdint>

struct Shape {
    enum Kind { Line, FilledBox, Point, Text };

    Kind kind = Line;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;  // lines and boxes only
    int y2 = 0;
    uint32_t rgb = 0;  // 0xRRGGBB
    QString text;      // Text only, its top left at (x1, y1)
    int fontSize = 8;  // Text only, in points

    bool operator==(const Shape&) const = default;
};

namespace waveformdrawing {

inline constexpr uint32_t Black = 0x000000;
inline constexpr uint32_t Grey = 0x808080;
inline constexpr uint32_t LightGrey = 0xC0C0C0;
inline constexpr uint32_t Green = 0x00FF00;
inline constexpr uint32_t Yellow = 0xFFFF00;
inline constexpr uint32_t Cyan = 0x00FFFF;
inline constexpr uint32_t Red = 0xFF0000;
inline constexpr uint32_t White = 0xFFFFFF;

// One column of a waveform at x: a green line from the largest value hi to
// the smallest lo (16-bit sample values) about the centre line, each value
// divided by unitsPerValue to give picture units upwards; a column that
// stays within quietUnits of the centre shows as one point there.
inline Shape WaveColumn(int x, int hi, int lo, int centre, int unitsPerValue, int quietUnits)
{
    const int yHi = hi / unitsPerValue;
    const int yLo = lo / unitsPerValue;
    if (yHi > quietUnits || yLo < -quietUnits)
        return {Shape::Line, x, centre + yHi, x, centre + yLo, Green, QString(), 8};
    return {Shape::Point, x, centre, 0, 0, Green, QString(), 8};
}

}  // namespace waveformdrawing
