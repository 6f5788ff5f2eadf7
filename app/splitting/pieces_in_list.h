// The pieces of a split recording as tracks of the list: they play straight
// through, one into the next, as the recording did, and carry the texts and
// codes the user gave them (or the CUE sheet did).
#pragma once

#include "list_change.h"
#include "play_list.h"

#include <QList>

// Tracks first..last of list are the pieces in order (pieceTexts[0] is
// track first's): each gets its texts, and no silence after it but for the
// last, no mutes, level 100 and no fades. The disc's texts that the user
// has not set take disc's. The change redraws those rows and the play bar.
ListChange PlayStraightThrough(PlayList& list, int first, int last, const QList<TrackTexts>& pieceTexts,
                               const DiscTexts& disc);
