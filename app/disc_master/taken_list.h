// The tracks of a take joined to the list: once the list holds their files
// (opened and analysed as any WAV file is), each gets what the image gave
// it, the silence after it (its mute length) and its texts, and the disc its
// texts and catalog number, as one change of the list. A track whose file
// the list does not hold (the file was refused) is passed over.
#pragma once

#include "disc_texts.h"
#include "list_change.h"
#include "taken_tracks.h"

class PlayList;

// texts.tracks[i] belongs to tracks[i].
ListChange ApplyTakenDisc(PlayList& list, const QList<TakenTrack>& tracks, const CdTextSet& texts);
