// The name a track is saved under: "M", its place in the list as two digits,
// "_" and its title.
#pragma once

#include <QString>

// A title that already carries such a prefix loses it first
// (WithoutSavePrefix), so that a saved track that moved keeps one prefix:
// M07_song.wav at place 3 becomes M03_song.wav, while M00_song.wav becomes
// M03_M00_song.wav.
QString BuildSaveName(int track, const QString& title);
