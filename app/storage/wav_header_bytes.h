// The canonical 44-byte header of a 44.1 kHz 16-bit stereo PCM WAV file
// (a fmt chunk of 16 bytes, then the data chunk), as the program writes it
// before audio it copies byte for byte.
#pragma once

#include <QByteArray>

inline constexpr int CanonicalWavHeaderBytes = 44;

// The header of a file whose data chunk holds dataBytes bytes.
QByteArray CanonicalWavHeader(qint64 dataBytes);
