// The CD's unit of time and data, for every room of the program (the engine
// keeps its own): one frame (a sector) is 1/75 s of audio, 588 stereo
// 16-bit samples, 2352 bytes.
#pragma once

#include <QtGlobal>

namespace cdframe {

constexpr qint64 Samples = 588;
constexpr qint64 Bytes = Samples * 2 * 2;
constexpr qint64 PerSecond = 75;
constexpr qint64 BytesPerSecond = Bytes * PerSecond;
constexpr qint64 BytesPerMinute = BytesPerSecond * 60;
constexpr qint64 BytesPerHour = BytesPerMinute * 60;
static_assert(Bytes == 2352 && BytesPerSecond == 176400);

// The frames that hold bytes of audio, the last one padded with silence.
constexpr qint64 FramesOf(qint64 bytes)
{
    return (bytes + Bytes - 1) / Bytes;
}

}  // namespace cdframe
