// The five general settings kept between runs, with their defaults. The
// settings dialog changes them in memory; they are stored only at the
// confirmed exit.
#pragma once

#include <cstdint>

struct Settings {
    bool ReadPeak = true;     // scan every opened file for its peak
    bool AutoLevel = true;    // normalise against the loudest track (false: full scale)
    int32_t AutoMute = 300;   // gap that automatic mute aims at, in CD frames
    float FadeInEnv = 0.6f;   // exponent of a new fade-in curve, 0.1 to 3.0
    float FadeOutEnv = 1.8f;  // exponent of a new fade-out curve, 0.1 to 3.0
};
