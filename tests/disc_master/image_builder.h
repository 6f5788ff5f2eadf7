// Builds DDP images for tests byte by byte from the format's tables, with
// what other writers put there: pauses (silent or not) before later tracks,
// index 02 points, another level, a main stream that starts at track 1's
// index 01, CD-TEXT of any packs, an MD5 list or an .md5 file per stream.
#pragma once

#include <QByteArray>
#include <QList>

#include <filesystem>
#include <optional>

namespace ddpbuild {

struct Track {
    qint64 frames = 0;                  // from index 01 to the next track's pause
    qint64 pauseFrames = 0;             // before index 01; for track 1 the pre-gap is 150
    bool pauseAudio = false;            // the pause holds noise rather than silence
    std::optional<qint64> index02;      // frames after index 01
    QByteArray isrc;
};

struct Disc {
    QByteArray level = "DDP 2.00";
    QByteArray catalog;                 // 13 digits, or empty
    qint64 streamStart = 0;             // 0, or 150: the pre-gap not stored
    QList<Track> tracks;
    QByteArray cdText;                  // the packs; empty for no CD-TEXT stream
    enum class Sums { OneList, PerFile } sums = Sums::OneList;
};

// Writes the image's files into folder (created); returns the main data
// from track 1's index 01 to the lead-out, as the stream holds it.
QByteArray build(const Disc& disc, const std::filesystem::path& folder);

// Two blocks of packs as one stream: the second's packs renumbered as block
// 1, both blocks' size information naming both languages, every CRC made
// anew.
QByteArray twoBlocks(const QByteArray& first, quint8 firstLanguage, const QByteArray& second,
                     quint8 secondLanguage);

QByteArray readAll(const std::filesystem::path& path);
void writeAll(const std::filesystem::path& path, const QByteArray& bytes);

}  // namespace ddpbuild
