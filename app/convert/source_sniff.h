// Which route a file takes into the list, judged by what the file holds and
// never by its name: a RIFF WAVE file goes to the engine (which takes it, or
// refuses its layout and leaves it to the conversion route), MPEG audio to
// the MP3 decoder library, any other container that libavformat recognises
// to the conversion route; anything else is refused.
#pragma once

#include <string>

struct AVInputFormat;

enum class SourceKind {
    Wav,
    MpegAudio,  // layers I, II and III, with or without an ID3v2 tag before them
    Other,      // a container libavformat recognises
    Unknown,    // unreadable, or no container libavformat recognises
};

SourceKind sniffSource(const std::string& path);

// The container libavformat recognises in the file's content, looked for
// after an ID3v2 tag of any size; null when none is. The name plays no
// part, so that a file named for one format and holding another is read as
// what it holds.
const AVInputFormat* recogniseContainer(const std::string& path);
