// The CD-TEXT of the disc and its tracks: the defaults that follow from the
// tracks' tags and file names, the texts a disc gets once its CUE sheet is
// named, and the undoable change that stores the user's texts.
#pragma once

#include "list_change.h"
#include "play_list.h"  // TrackTexts (by the play list's own path: tests have a track.h of their own)

#include <QList>
#include <QString>
#include <QStringList>

// The texts of the disc or of one track. message is the disc's only; code is
// the disc's catalog number (13 digits) or the track's ISRC (12 characters,
// upper case, no hyphens), empty when there is none.
struct CdTextEntry {
    QString title;
    QString performer;
    QString songwriter;
    QString composer;
    QString arranger;
    QString message;
    QString code;
    bool operator==(const CdTextEntry&) const = default;
};

// The disc's texts and every track's; tracks[0] is track 1.
struct CdTextSet {
    CdTextEntry disc;
    QList<CdTextEntry> tracks;
    bool operator==(const CdTextSet&) const = default;
};

// A track's title taken from its file's name: without the numbered prefix
// that saving adds and without ".wav".
QString TitleFromFileName(const QString& listTitle);
// That title for every track of the list, in list order.
QStringList FileTitles(const PlayList& list);

// The disc's title while no CUE sheet is named yet: the name the CUE command
// proposes for its sheet, without ".cue".
QString UnnamedDiscTitle();

// The disc's texts that the tracks' tags give, when the user set none:
// the album tag when every track that has one agrees (tracks without one do
// not count), else empty; the album artist when every track that has one
// agrees, else the artist when every track has the same one, else empty;
// the catalog number as the album tag. No credits and no message.
CdTextEntry DiscTextDefaults(const PlayList& list);

// The texts the disc carries. fileTitles holds each track's title from its
// file's name, taken where a track has none of its own; discFallback is the
// disc's title when neither the user nor the tags give one.
CdTextSet ResolveCdTexts(const PlayList& list, const QStringList& fileTitles, const QString& discFallback);

// Stores the texts of the CD-TEXT dialog as one undoable change, edited as
// the dialog shows them over the same defaults: a disc's text equal to its
// default stays unset (and keeps following the tags), a track's title equal
// to its file's name stays empty (and keeps following the name).
ListChange StoreCdTexts(PlayList& list, const CdTextSet& edited, const QStringList& fileTitles);
