// Records as analysis leaves them, built by numbers, and lists filled with them.
#pragma once

#include <QString>
#include <vector>

#include "play_list.h"
#include "qstring_printer.h"

namespace playlisttest {

// An analysed, unedited record: dataBytes of data with preMute bytes of
// leading and postMute bytes of trailing silence, the given peak.
TrackRecord analysed(int32_t dataBytes, int32_t preMute = 0, int32_t postMute = 0, int32_t peak = 20000);

// Adds tracks titled "T1", "T2", ... with the given records, in order.
void fill(PlayList& list, const std::vector<TrackRecord>& records);
// Adds n tracks of one second each (data lengths 1..n seconds apart so that
// they can be told apart by their title and their dataBytes).
void fillNumbered(PlayList& list, int n);

// Titles of tracks 1..TrackCount joined by spaces, e.g. "T1 T3 T2".
QString order(const PlayList& list);

}  // namespace playlisttest
