#include "recording_reader.h"

#include "read_only_file.h"
#include "system_error_text.h"

#include <QFile>

#include <algorithm>

RecordingReader::RecordingReader(const Recording& recording)
    : m_recording(recording)
    , m_files(size_t(recording.parts().size()))
{
}

RecordingReader::~RecordingReader() = default;

const ReadOnlyFile& RecordingReader::file(int part, QString& error)
{
    auto& slot = m_files[size_t(part)];
    if (!slot)
        slot = std::make_unique<ReadOnlyFile>(QFile::encodeName(m_recording.parts()[part].path).constData());
    if (slot->openError() != 0)
        error = SystemErrorText(slot->openError());
    return *slot;
}

QString RecordingReader::read(int64_t from, int64_t count, int16_t* into)
{
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the samples are read as stored");
    while (count > 0) {
        const int p = m_recording.partAt(from);
        const RecordingPart& part = m_recording.parts()[p];
        const int64_t inPart = from - m_recording.partStart(p);
        const int64_t n = std::min(count, part.dataBytes / Recording::SampleBytes - inPart);
        if (n <= 0)
            return FileCutShortText();
        QString error;
        const ReadOnlyFile& f = file(p, error);
        if (!error.isEmpty())
            return error;
        const int64_t wanted = n * Recording::SampleBytes;
        const int64_t got = f.read(part.dataOffset + inPart * Recording::SampleBytes, reinterpret_cast<char*>(into), wanted);
        if (got < 0)
            return SystemErrorText(errno);
        if (got < wanted)
            return FileCutShortText();
        from += n;
        count -= n;
        into += n * 2;
    }
    return {};
}
