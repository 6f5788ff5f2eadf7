// The messages of the conversion route. All have an OK button only.
#pragma once

#include <QString>

#include <cstdint>

namespace convertmessages {

// The line of the progress dialog that names the file being converted.
QString converting(const QString& title);

// After the converted file has joined the list, when samples beyond full
// scale had to be clipped. Shown under the program's title.
QString clipped(const QString& title, uint64_t samples);

// After the converted file has joined the list, when it was mixed down from
// more than two channels. Shown under the program's title.
QString mixedDown(const QString& title, int channels);

// The refusals of a file, each naming it. Shown with the open workflow's
// caption.
QString noAudioStream(const QString& title);
QString protectedAudio(const QString& title);
QString rateOutOfBounds(const QString& title, int rate);
QString tooLong(const QString& title);
// The recording could not be read beyond `seconds` into it.
QString readFailed(const QString& title, double seconds);

// The destination ran out of room. Shown under the program's title, as
// for a decoded file.
QString diskFull();

// The destination could not be created or written. Shown under the
// program's title.
QString cannotWrite(const QString& path);

}  // namespace convertmessages
