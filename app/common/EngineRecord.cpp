#include "EngineRecord.h"

#include <QFile>

EngineRecord::EngineRecord(const Track& track)
    : m_title(QFile::encodeName(track.title))
    , m_path(QFile::encodeName(track.path))
    , m_record(track.record)
{
    m_record.title = m_title.constData();
    m_record.path = m_path.constData();
}

void EngineRecord::copyNumbersTo(Track& track) const
{
    track.record = m_record;
    track.record.title = nullptr;
    track.record.path = nullptr;
}
