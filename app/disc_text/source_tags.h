// The tags of an audio file that its CD-TEXT takes, read with TagLib from
// ID3v2 and ID3v1 (MP3, or an "id3 " chunk in a WAV file), Vorbis comments
// (FLAC, Ogg Vorbis and Opus), RIFF INFO (WAV), MP4 atoms (M4A), ASF
// attributes (WMA) and APE tags (WavPack, Monkey's Audio). TagLib knows a
// file by its ending, else by its content.
#pragma once

#include "byte_text.h"  // DecodeByteText, which the tags' byte texts go through
#include "play_list.h"  // TrackTexts (by the play list's own path: tests have a track.h of their own)

#include <QString>

// The tags of the file at path, each empty when the file has none (or is no
// file TagLib reads); an ISRC or a barcode that is not a valid code is left
// empty too. Byte texts without a declared encoding (ID3v1, RIFF
// INFO) are read by DecodeByteText.
TrackTexts ReadSourceTags(const QString& path);
