// How a DDP image is taken apart into the list's tracks: for each track the
// bytes of the main data from its index 01 to where the next track's pause
// starts (or to the lead-out), the next track's pause beside it (silence
// there becomes the list's silence after this track, audio there stays at
// the end of this track's file), and what the list cannot hold. The main
// data's frame addresses count from its map packet's start. A pure function
// of the opened image and its layout; nothing is read.
#pragma once

#include "ddp_image.h"
#include "image_layout.h"

#include <QList>

#include <optional>

// What the list cannot hold of the image, said after taking.
struct TakeNote {
    enum class Kind {
        LaterIndexes,    // track's index points after 01
        PauseWithAudio,  // track's pause holds audio: it stays at the end of the track before it
        PreGapLength,    // track 1's pre-gap is not 2 seconds
        PreGapAudio,     // track 1's pre-gap holds audio, which is not taken
        AfterLeadOut,    // the main data goes on after the lead-out
        Control,         // track's control flags (pre-emphasis, copy permission)
        TrackMessage,    // track's CD-TEXT message
        OtherBlocks,     // the CD-TEXT's other language blocks
    };
    Kind kind = Kind::LaterIndexes;
    int track = 0;
    bool operator==(const TakeNote&) const = default;
};

// Why an image cannot be taken into the list at all.
struct TakeRefusal {
    enum class Kind {
        MainData,       // the main data's file is missing, outside the folder or unreadable
        Pq,             // the PQ descriptor is missing or unreadable, or its order is wrong
        TooManyTracks,  // more tracks than the list holds (track: their number)
        BeyondStream,   // track's audio lies outside the main data
    };
    Kind kind = Kind::MainData;
    int track = 0;
    bool operator==(const TakeRefusal&) const = default;
};

struct PlannedTrack {
    int number = 0;
    qint64 firstByte = 0;   // index 01 in the main data's file
    qint64 bytes = 0;       // up to where the next track's pause starts
    qint64 pauseBytes = 0;  // the next track's pause, which follows directly
};

struct TakePlan {
    QString mainFile;               // the main data's file
    QList<PlannedTrack> tracks;
    qint64 preGapFirstByte = 0;     // the part of track 1's pre-gap the file holds
    qint64 preGapBytes = 0;
    QList<TakeNote> notes;
    std::optional<TakeRefusal> refusal;  // set: no tracks

    qint64 totalBytes() const;
};

TakePlan PlanTake(const DdpImage& image, const ImageLayout& layout, int maxTracks);
