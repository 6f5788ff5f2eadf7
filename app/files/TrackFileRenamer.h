// Renames the files of the play list's tracks so that no file another track
// of the list still refers to is ever replaced.
//
// Saving names every file after its place in the list, and that name may be
// the current file of another track: after a reorder, M01_x.wav can belong
// to the track now at place 2. Before such a name is taken, the other
// track's file is renamed to a free name beside it and that track's path
// follows, so its audio is never lost, whether or not the batch gets as far
// as saving it.
#pragma once

#include <QString>

class PlayList;

class TrackFileRenamer {
public:
    // A track's file that was renamed out of the way.
    struct MovedAside {
        int track = 0;  // 0: nothing was in the way
        QString from;
        QString to;
    };
    // The result of clearing a name: error is the system's error number of a
    // failed rename (nothing changed then), 0 on success.
    struct Clearing {
        int error = 0;
        MovedAside moved;
    };

    explicit TrackFileRenamer(PlayList& list);

    // The track other than `except` whose file is path: the same text or,
    // through links, the same existing file. 0 when there is none.
    int trackUsing(const QString& path, int except) const;

    // Frees destination for track `track` (see above). A file there that no
    // track refers to is left alone; the save replaces it.
    Clearing clearFor(const QString& destination, int track);
    // Undoes clearFor after the save that needed the name failed. Best
    // effort: if the name cannot be given back the track keeps the free
    // name, which its path still names.
    void giveBack(const MovedAside& moved);

    // Renames from to to, replacing a file at to in one step. Returns 0, or
    // the system's error number.
    static int renameReplacing(const QString& from, const QString& to);

private:
    // A name beside path that neither exists nor is a track's path:
    // "name (1).wav", "name (2).wav", ...
    QString freeNameBeside(const QString& path) const;
    bool isTrackPath(const QString& path) const;

    PlayList& m_list;
};
