// Reads CD-TEXT packs back into texts: the 18-byte packs of a disc's
// lead-in as a DDP image's CD-TEXT stream holds them (without the 4-byte
// header of a burner's text file), written by this program or by another.
//
// The packs of up to eight language blocks may follow each other. Each
// block's three size-information packs (type 0x8F) give its character code,
// its first and last track, how many packs of each type it holds and its
// language. The texts of a type run on from pack to pack, each ended by a NUL
// (two in a double-byte block); a text of one tab (two in a double-byte
// block) repeats the text before it. Every pack carries a CRC of its first 16
// bytes; a pack whose CRC fails is still read, and named.
//
// A pure function over bytes: any bytes give a result, never more blocks
// than eight or tracks than 99.
#pragma once

#include "disc_texts.h"

#include <QByteArrayView>
#include <QList>

struct CdTextBlockRead {
    // What the block's character code means for this reader.
    enum class Code { Latin1, Ascii, MsJis, Unknown };

    int block = 0;                 // 0..7, as its packs number it
    bool sizeInformation = false;  // all three size-information packs are there
    quint8 characterCode = 0;      // as the size information gives it (0 without one)
    quint8 language = 0;           // the language code of this block, likewise
    int firstTrack = 1;
    int lastTrack = 0;
    // The block's texts; tracks[0] is track 1. Empty texts for a code
    // this reader does not read (its titles are not decoded).
    CdTextSet texts;
    // Pack types (0x80..0x8F) for which the size information claims another
    // number of packs than the block holds: claimed first, held second.
    struct CountMismatch {
        quint8 type = 0;
        int claimed = 0;
        int held = 0;
        bool operator==(const CountMismatch&) const = default;
    };
    QList<CountMismatch> countMismatches;

    Code code() const;
};

struct CdTextRead {
    QList<CdTextBlockRead> blocks;  // in the order of their block numbers
    int packs = 0;                  // whole packs in the stream
    QList<int> badCrcPacks;         // 1-based numbers of the packs whose CRC fails
    bool partialPack = false;       // bytes after the last whole pack
};

CdTextRead ReadCdTextPacks(QByteArrayView stream);
