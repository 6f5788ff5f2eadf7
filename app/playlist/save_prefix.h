// The prefix saving gives a track's file name: "M", its place in the list as
// two digits, and "_".
#pragma once

#include <QString>

// The title without such a prefix (an upper-case "M", a number above 0 in
// the next two characters, then "_"): the name the track had before it was
// first saved, as far as saving changed it. M00_song.wav keeps its "M00_".
QString WithoutSavePrefix(const QString& title);
