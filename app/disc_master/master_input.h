// What a master for a pressing plant is made of: the saved tracks in list
// order, each with where its samples lie in its file, and the disc's codes
// and texts. Plain values, so that the master's room knows nothing of the
// play list.
#pragma once

#include "disc_layout.h"
#include "file_version.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

struct MasterTrack {
    QString path;            // the saved WAV file
    qint64 dataOffset = 0;   // where its data chunk's samples start
    qint64 dataBytes = 0;    // how many bytes of samples it holds
    // The file's version when it was saved; a file whose version differs
    // now is not the one the list describes. None: not known.
    std::optional<FileVersion> version;
    QString isrc;            // 12 characters, or empty
    QString title;
    QString performer;
};

struct MasterDisc {
    QList<MasterTrack> tracks;
    QString catalog;         // 13 digits, or empty
    QString title;
    QString performer;
    // The disc's CD-TEXT packs (18 bytes each, with their CRCs), without
    // the 4-byte header of a burner's text file; empty for a disc without
    // texts.
    QByteArray cdTextPacks;
};

// Where the disc's tracks lie: the one layout the image, its PQ entries and
// the PQ sheet all follow.
inline DiscLayout LayoutOf(const MasterDisc& disc)
{
    QList<qint64> dataBytes;
    for (const MasterTrack& track : disc.tracks)
        dataBytes.append(track.dataBytes);
    return LayOutDisc(dataBytes);
}
