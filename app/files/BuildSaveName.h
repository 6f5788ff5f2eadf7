// The name a track is saved under: "M", its place in the list as two digits,
// "_" and its title.
#pragma once

#include <QString>

// A title that already carries such a prefix (an upper-case "M", a number
// above 0 in the next two characters, then "_") loses it first, so that a
// saved track that moved keeps one prefix: M07_song.wav at place 3 becomes
// M03_song.wav, while M00_song.wav becomes M03_M00_song.wav.
QString BuildSaveName(int track, const QString& title);

// The title without such a prefix: the name the track had before it was
// first saved, as far as saving changed it.
QString WithoutSavePrefix(const QString& title);
