// A Track as the engine sees it: a TrackRecord copy whose title and path
// point at byte strings in the file system's encoding, valid while this
// object lives. Build one right before an engine call and copy the numbers
// back afterwards; the engine never keeps the pointers.
#pragma once

#include "track.h"

#include <QByteArray>

class EngineRecord {
public:
    explicit EngineRecord(const Track& track);
    EngineRecord(const EngineRecord&) = delete;
    EngineRecord& operator=(const EngineRecord&) = delete;

    TrackRecord* record() { return &m_record; }
    const char* path() const { return m_path.constData(); }

    // Copies every number of the record into track; its texts stay.
    void copyNumbersTo(Track& track) const;

private:
    QByteArray m_title;
    QByteArray m_path;
    TrackRecord m_record;
};
