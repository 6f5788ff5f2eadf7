// A TrackRecord that owns the text of its path, so that it outlives the call
// that handed the record over. The title is not kept: playback never reads it.
#pragma once

#include <string>

#include "welvox.h"

namespace welvox {

class RecordCopy {
public:
    RecordCopy() = default;
    explicit RecordCopy(const TrackRecord& record)
        : m_record(record), m_path(record.path ? record.path : "") {
        pointAtOwnText();
    }
    RecordCopy(const RecordCopy& other) : m_record(other.m_record), m_path(other.m_path) { pointAtOwnText(); }
    RecordCopy& operator=(const RecordCopy& other) {
        m_record = other.m_record;
        m_path = other.m_path;
        pointAtOwnText();
        return *this;
    }

    const TrackRecord& record() const { return m_record; }

private:
    void pointAtOwnText() {
        m_record.title = nullptr;
        m_record.path = m_path.c_str();
    }

    TrackRecord m_record{};
    std::string m_path;
};

}  // namespace welvox
