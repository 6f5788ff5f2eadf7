// The fade editor's commands on the record of its track: moving the mute
// points, setting and releasing the digital mutes and the fades at the
// cursor, and which of them the cursor's place offers (ShowButton).
// Commands are named by their menu item ("mnuFadeInEnd"); each only changes
// numbers of the record.
#pragma once

#include "welvox.h"

#include <QHash>
#include <QString>

#include <cstdint>

namespace fadecommands {

struct Outcome {
    // False when the command did nothing at all, not even a redraw.
    bool ran = true;
    // A mute point moved: the track's rows and the previous track's MUTE row
    // show it.
    bool rowRefresh = false;
};

// The sixteen commands that write the record, with the cursor c; a new fade
// takes its curve exponent from fadeInEnv or fadeOutEnv when the record has
// none yet. A command whose condition fails writes nothing but still
// recomputes the fade lengths and asks for a redraw. An unknown name does
// nothing at all.
Outcome Apply(const QString& menuName, TrackRecord& r, int32_t c, float fadeInEnv, float fadeOutEnv);

// The flags DrawCursor gives ShowButton: the fade-in commands fit a cursor
// before everything of the track's end, the fade-out commands one after
// everything of its start.
struct Flags {
    bool fadeIn = false;
    bool fadeOut = false;
};
Flags FlagsAt(const TrackRecord& r, int32_t c);

// ShowButton: the enabled state of each menu, menu item and toolbar button
// it sets, by menu name or button key. With a flag false only that side's
// menu and buttons are named (disabled); its items keep their states and r
// is not read for that side.
QHash<QString, bool> ShowButton(Flags flags, const TrackRecord& r, int32_t c);

}  // namespace fadecommands
