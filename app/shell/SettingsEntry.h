// What the settings dialog fSettei shows and reads back, apart from the
// widgets: the mute length as seconds and frames texts, the two option
// choices and the curve exponents in tenths.
#pragma once

#include "Settings.h"

#include <QString>

struct SettingsEntry {
    QString seconds;        // Text1: whole seconds of AutoMute
    QString frames;         // Text2: the remaining CD frames
    bool readPeak = true;   // Option1 selected (else Option2)
    bool autoLevel = true;  // Option3 selected (else Option4)
    int fadeInTenths = 6;   // UpDown3
    int fadeOutTenths = 18; // UpDown4

    // The entry the dialog opens with.
    static SettingsEntry from(const Settings& settings);
    // The frame count the two texts give: the number at the start of each,
    // rounded down, without its sign. Nothing is rejected and no upper
    // bound applies, but a count beyond the range of AutoMute stops at its
    // largest value rather than wrapping round.
    int32_t autoMute() const;

    // settings with OK applied: every value of this entry.
    Settings appliedTo(Settings settings) const;
};
