// The CUE sheet a FLAC file carries in its metadata: a CUESHEET block,
// which flac and metaflac write, or a Vorbis comment named CUESHEET holding
// a sheet's text, which other programs write.
#pragma once

#include "cue_sheet_reader.h"

#include <QByteArrayView>

// The sheet embedded in a FLAC file, from the file's first bytes ("fLaC",
// then the metadata blocks): its CUESHEET block, or else the first Vorbis
// comment named CUESHEET (in any case). The sheet has one file, the FLAC
// file itself, with an empty name (a comment's FILE name is not used, and
// a comment that names two files is a fault).
//
// A block's index offsets are converted from the stream's sample rate
// (STREAMINFO's) to samples of 44.1 kHz audio; its lead-out track is
// passed over, a track that is not audio is a fault, and its faults name no
// line. A block's code that breaks its rules is dropped without a line to
// name.
//
// Nothing (no sheet and a fault without text) when the bytes are no FLAC
// file or hold neither. Pure and bounded: a block cut off by the end of the
// bytes is a fault (or, a comment block, read as far as it goes), never a
// read beyond them.
SheetReading ReadFlacCueSheet(QByteArrayView fileHead);
