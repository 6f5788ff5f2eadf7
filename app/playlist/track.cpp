#include "track.h"

#include <cstddef>
#include <cstring>

bool EditsInFile(const Track& track)
{
    if (!track.fileRecord)
        return false;
    // Every field from dataBytes to fadeOutCurve is a 32-bit number, laid
    // out without gaps; the colour is the one among them that is no edit.
    TrackRecord inFile = *track.fileRecord;
    inFile.color = track.record.color;
    constexpr size_t first = offsetof(TrackRecord, dataBytes);
    constexpr size_t end = offsetof(TrackRecord, fadeOutCurve) + sizeof(float);
    return std::memcmp(reinterpret_cast<const char*>(&inFile) + first,
                       reinterpret_cast<const char*>(&track.record) + first, end - first) == 0;
}
