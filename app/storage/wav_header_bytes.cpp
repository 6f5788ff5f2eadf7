#include "wav_header_bytes.h"

#include <QtEndian>

#include <algorithm>

QByteArray CanonicalWavHeader(qint64 dataBytes)
{
    QByteArray header(CanonicalWavHeaderBytes, '\0');
    char* h = header.data();
    const auto put32 = [h](int at, quint32 value) { qToLittleEndian(value, h + at); };
    const auto put16 = [h](int at, quint16 value) { qToLittleEndian(value, h + at); };
    std::copy_n("RIFF", 4, h);
    put32(4, quint32(dataBytes + CanonicalWavHeaderBytes - 8));
    std::copy_n("WAVEfmt ", 8, h + 8);
    put32(16, 16);
    put16(20, 1);          // PCM
    put16(22, 2);          // stereo
    put32(24, 44100);
    put32(28, 44100 * 4);  // bytes per second
    put16(32, 4);          // bytes per sample frame
    put16(34, 16);         // bits per sample
    std::copy_n("data", 4, h + 36);
    put32(40, quint32(dataBytes));
    return header;
}
