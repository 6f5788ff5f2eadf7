// The level commands: the level dialog's rules, normalisation of one track
// and of all, and the 10 % compression.
#pragma once

#include <QString>

#include <cstdint>

#include "dialog_outcome.h"
#include "edit_message.h"
#include "list_change.h"

class PlayList;

class LevelEditing {
public:
    // Index of the track with the highest effective peak
    // (peakValue * levelPercent / 100); the first of equals wins. 0 when the
    // list is empty.
    static int FindLoudestTrack(const PlayList& list);

    // The level dialog's prompt (Label1) and start text (Text1) for track s.
    static QString LevelPrompt(const PlayList& list, int s);
    static QString LevelText(const PlayList& list, int s);
    // OK of the level dialog for track s: the numeric prefix of text, rounded
    // down, made positive; refused with the volume message when the track's
    // effective peak would pass 32,767.
    static DialogOutcome ApplyLevel(PlayList& list, int s, const QString& text);
    // The level dialog's maximum-volume rule: true when level x (a whole
    // number >= 0) would take a track of this peak past 32,767.
    static bool ExceedsMaximumVolume(double x, int32_t peakValue);
    // The highest level the level dialog accepts for a track of this peak
    // (peakValue >= 1).
    static int32_t MaximumLevel(int32_t peakValue);

    // Normalisation of the selected track and of all tracks. autoLevel true:
    // against the loudest track; false: against full scale. Nothing happens
    // with a single track.
    static ListChange NormalizeOne(PlayList& list, bool autoLevel);
    static ListChange NormalizeAll(PlayList& list, bool autoLevel);
    // Every level times 9 / 10, truncated.
    static ListChange CompressLevels(PlayList& list);

    // "この設定されたLevelでは最大許容音量を超えてしまいます" / "ｴﾗｰ".
    static EditMessage VolumeMessage();
};
