// The CD-TEXT of the disc and its tracks: the defaults that follow from the
// tracks' tags, the texts a disc gets once its CUE sheet is named, and the
// undoable change that stores the user's texts.
#pragma once

#include "list_change.h"
#include "play_list.h"  // TrackTexts (by the play list's own path: tests have a track.h of their own)
#include "source_tags.h"

#include <QList>
#include <QString>

// One title and performer: the disc's or a track's.
struct CdTextEntry {
    QString title;
    QString performer;
    bool operator==(const CdTextEntry&) const = default;
};

// The disc's texts first, then every track's in list order.
using CdTextSet = QList<CdTextEntry>;

// A joining track's texts: its title and artist tags (an empty title means
// the file's name), and its album tags for the disc's defaults.
TrackTexts TrackTextsFromTags(const SourceTags& tags);

// The disc's texts that the tracks' tags give, when the user set none:
// the album tag when every track that has one agrees (tracks without one do
// not count), else empty; the album artist when every track that has one
// agrees, else the artist when every track has the same one, else empty.
CdTextEntry DiscTextDefaults(const PlayList& list);

// The texts the disc carries. fileTitles holds each track's title from its
// file's name, taken where a track has none of its own; discFallback is the
// disc's title when neither the user nor the tags give one.
CdTextSet ResolveCdTexts(const PlayList& list, const QStringList& fileTitles, const QString& discFallback);

// Stores the texts of the CD-TEXT dialog as one undoable change. edited
// holds the disc first and then every track, as the dialog shows them over
// the same defaults: a text equal to its default keeps following the tags
// (or the file's name).
ListChange StoreCdTexts(PlayList& list, const CdTextSet& edited, const QStringList& fileTitles);
