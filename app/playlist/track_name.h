// How every message names a track: "No.", its number in the list, a colon
// and its title in double quotes, as in No.3:"Intro". One function, so that
// the save, level, mute, loudness, CUE sheet, DDP image and CD-R messages
// name a track alike.
#pragma once

#include <QString>

class PlayList;

QString TrackName(int number, const QString& title);
// The list's track (1..TrackCount) with its title.
QString TrackName(const PlayList& list, int track);
