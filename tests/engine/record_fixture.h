// A track record as FileOpen leaves it for a file of `dataBytes` sample
// bytes at offset 44, for tests that set edits on it by hand.
#pragma once

#include "welvox.h"

inline TrackRecord analysedRecord(const char* path, int32_t dataBytes) {
    TrackRecord r{};
    r.title = "track.wav";
    r.path = path;
    r.dataBytes = dataBytes;
    r.dataOffset = 44;
    r.riffBytes = dataBytes + 36;
    r.postMutePoint = r.origPostMutePoint = dataBytes;
    r.soundBytes = dataBytes;
    r.levelPercent = 100;
    r.peakValue = 32767;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.fadeInCurve = r.fadeOutCurve = -1.0f;
    return r;
}
