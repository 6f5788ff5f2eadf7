// Which files the list holds: asked before a file joins it, so that one file
// is never listed twice, nor beside its own conversion.
#pragma once

#include <QString>

class PlayList;

// True when a track of the list is the file at path (SameFile).
bool ListHoldsFile(const PlayList& list, const QString& path);

// True when a track of the list was converted from the file at path.
bool ListHoldsConversionOf(const PlayList& list, const QString& path);
