// The benchmarks' tracks: stereo 16-bit 44.1 kHz WAV files of a second of
// silence, noise, and a second of silence, each seed its own noise.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>
#include <vector>

inline void writeNoiseTrack(const QString& path, int seconds, uint32_t seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    const uint32_t dataBytes = uint32_t(seconds) * 44100 * 4;
    QByteArray header(44, '\0');
    char* h = header.data();
    const auto put32 = [](char* at, uint32_t value) { std::memcpy(at, &value, 4); };
    const auto put16 = [](char* at, uint16_t value) { std::memcpy(at, &value, 2); };
    std::memcpy(h, "RIFF", 4);
    put32(h + 4, 36 + dataBytes);
    std::memcpy(h + 8, "WAVEfmt ", 8);
    put32(h + 16, 16);
    put16(h + 20, 1);
    put16(h + 22, 2);
    put32(h + 24, 44100);
    put32(h + 28, 176400);
    put16(h + 32, 4);
    put16(h + 34, 16);
    std::memcpy(h + 36, "data", 4);
    put32(h + 40, dataBytes);
    file.write(header);
    std::vector<int16_t> block(2 * 44100);
    for (int second = 0; second < seconds; ++second) {
        const bool silent = second == 0 || second == seconds - 1;
        for (int16_t& sample : block) {
            seed = seed * 1664525u + 1013904223u;
            sample = silent ? 0 : int16_t(int32_t(seed >> 16) % 20000);
        }
        file.write(reinterpret_cast<const char*>(block.data()), qint64(block.size() * 2));
    }
}

// The file at path unless it already holds `seconds` of audio.
inline void ensureNoiseTrack(const QString& path, int seconds, uint32_t seed)
{
    if (!QFile::exists(path) || QFile(path).size() != 44 + qint64(seconds) * 44100 * 4)
        writeNoiseTrack(path, seconds, seed);
}

// The benchmarks' set of tracks in folder: track01.wav, track02.wav, ...,
// each `seconds` long and seeded with its number; written unless present.
inline QStringList ensureNoiseTracks(const QString& folder, int count, int seconds)
{
    QStringList paths;
    for (int i = 1; i <= count; ++i) {
        paths << QStringLiteral("%1/track%2.wav").arg(folder).arg(i, 2, 10, QLatin1Char('0'));
        ensureNoiseTrack(paths.last(), seconds, uint32_t(i));
    }
    return paths;
}
