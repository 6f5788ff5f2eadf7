// The mute commands: the mute dialog's rules and automatic mute of one gap
// and of all gaps.
#pragma once

#include <QString>
#include <cstdint>

#include "dialog_outcome.h"
#include "edit_message.h"
#include "list_change.h"

class PlayList;

// A mute length as the mute dialog shows it: sign, minutes, seconds, frames
// (whole hours and parts of a frame are not shown).
struct MuteParts {
    bool negative = false;
    int minutes = 0;
    int seconds = 0;
    int frames = 0;
};

class MuteEditing {
public:
    static MuteParts SplitMute(int32_t muteAdjustBytes);
    // The mute dialog's prompt (Label1) for track s.
    static QString MutePrompt(const PlayList& list, int s);
    // OK of the mute dialog for track s with the sign option and the three
    // texts (each: numeric prefix, rounded down, made positive).
    static DialogOutcome ApplyMute(PlayList& list, int s, bool negative, const QString& minutesText,
                                   const QString& secondsText, const QString& framesText);

    // Sets track i's muteAdjustBytes so that the total gap after it becomes
    // autoMute CD frames, without cutting into its sound. Does not update
    // the timeline.
    static void AutoMuteTrack(PlayList& list, int i, int32_t autoMute);
    // Automatic mute of the gap after the selected track, and of the gaps
    // after tracks 1..TrackCount-1.
    static ListChange AutoMuteOne(PlayList& list, int32_t autoMute);
    static ListChange AutoMuteAll(PlayList& list, int32_t autoMute);

    // "設定したMUTE時間は長すぎます" / "ｴﾗｰ".
    static EditMessage TooLongMessage();
    // "ﾏｲﾅｽのMUTE時間がPostMuteを超える設定は出来ません" / "ｴﾗｰ".
    static EditMessage BeyondPostMuteMessage();
};
