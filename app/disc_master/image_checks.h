// What checking a DDP image finds, a row per finding: passed, failed, or not
// checked and why. These are the checks over the records alone, quick
// whatever the image's size: the identity's level, every stream file the
// map names (missing, outside the folder, of the wrong size, a stream not
// read), the PQ descriptor (its packets, the track numbers and times, track
// 1's index 01 at 00:02:00, tracks shorter than 4 seconds, the lead-out
// against the main data's length), the codes (each ISRC's form and the
// tracks that share one, the catalog number's check digit, by the rules the
// CD-TEXT dialog uses) and the CD-TEXT (every pack's CRC, each block's size
// information against its packs, its character code). The checksums, which
// read every byte, are checksum_check's.
#pragma once

#include "ddp_image.h"
#include "image_layout.h"

#include <QList>
#include <QString>

struct CheckRow {
    enum class Result { Passed, Failed, NotChecked };
    Result result = Result::Passed;
    QString subject;  // what was checked: a file, the PQ, a track's codes, ...
    QString finding;  // what was found, or why it was not checked
    bool operator==(const CheckRow&) const = default;
};

QList<CheckRow> CheckRecords(const DdpImage& image, const ImageLayout& layout);

// A record fault in words: where in the file and what is wrong.
QString RecordFaultText(const ddp::RecordFault& fault);

// A CD-TEXT block named by its language and character code.
QString CdTextBlockName(const CdTextBlockRead& block);

// The shortest track a plant presses: 4 seconds.
constexpr qint64 ShortestTrackFrames = 4 * 75;
