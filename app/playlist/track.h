// One track of the play list as the program keeps it.
#pragma once

#include <QString>

#include "welvox.h"

// The title and path are Unicode strings here. The numbers live in a
// TrackRecord whose two text pointers stay null: the engine client builds a
// copy with UTF-8 texts for each engine call and copies the numbers back.
struct Track {
    QString title;
    QString path;
    TrackRecord record{};
};
