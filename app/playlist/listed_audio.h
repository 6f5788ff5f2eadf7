// Whether the files on disk hold the audio the list plays.
#pragma once

#include "welvox.h"

class PlayList;

// True when rendering the record gives exactly the samples its file holds:
// level 100, no silence appended or removed, no digital mute and no fade.
// That is the state FileOpen leaves a record in and the one FileSave folds
// it back to, so it holds from an open or a save until the first edit that
// changes what is heard.
//
// There is deliberately no "edited" flag to clear: every edit that changes
// the audio (level, mute length, automatic mute or level, the fade editor's
// digital mutes and fades) changes one of these fields, and an undo that
// brings them back brings the answer back too. Moving the mute points alone
// (preMutePoint, postMutePoint) changes no sample and keeps it true.
bool HoldsListedAudio(const TrackRecord& record);

// HoldsListedAudio for every track of the list; true for an empty list.
bool EveryFileHoldsListedAudio(const PlayList& list);
