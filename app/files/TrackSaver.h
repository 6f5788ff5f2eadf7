// The work of one save: renders one track of the list with FileSave, in
// place or as a copy, gives the file its output name and lets the track
// refer to it. No window is involved; the caller shows the message and
// redraws what the outcome names.
#pragma once

#include "edit_message.h"
#include "list_change.h"
#include "welvox.h"

#include <QString>

#include <optional>

class PlayList;
struct Track;

class TrackSaver {
public:
    // Mode 1 copies into destination; 0 saves in place, then renames the file
    // to destination, which lies in the file's own directory.
    enum Mode { InPlace = 0, Copy = 1 };

    // The value CancelFlag takes after the save when Cancel was not pressed:
    // the FileSave result, or RenameFailed.
    static constexpr int32_t RenameFailed = 1005;

    struct Outcome {
        int32_t result = 0;
        std::optional<EditMessage> message;  // to show with an OK button
        ListChange change;                   // the track's rows and the play bar
    };

    explicit TrackSaver(PlayList& list);

    // Saves track `track` to destination under name. On success the track's
    // path is destination and its title name; on failure every file and the
    // track's record are as they were. No file that another track of the
    // list refers to is replaced. callback is FileSave's progress callback.
    Outcome save(int track, const QString& destination, const QString& name, Mode mode, ProgressCallback callback);

private:
    Outcome saveCopy(int track, const QString& destination, const QString& name, ProgressCallback callback);
    Outcome saveInPlace(int track, const QString& destination, const QString& name, ProgressCallback callback);
    // The saved file holds the track's record now: its version is taken from
    // the file just written.
    static void takeFileVersion(Track& saved);
    Outcome finished(int track, int32_t result, std::optional<EditMessage> message = std::nullopt);

    PlayList& m_list;
};
