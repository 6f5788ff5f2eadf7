// The texts of MP3 decoding: the lines of the dialog fMP3Decode and the
// failure messages, which have an OK button and the program's title as
// caption.
#pragma once

#include <QString>

namespace decodemessages {

// Label1: the MP3 file being decoded; Label2: the WAV file written.
QString decoding(const QString& title);
QString destination(const QString& wavPath);

QString openError();    // the MP3 file could not be opened
QString decodeError();  // decoding could not be started
QString diskFull();     // the WAV file came out shorter than decoded

}  // namespace decodemessages
