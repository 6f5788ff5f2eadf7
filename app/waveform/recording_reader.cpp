#include "recording_reader.h"

#include "read_only_file.h"
#include "system_error_text.h"

#include <QFile>


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
    char* at = reinterpret_cast<char*>(into);
    int64_t read = 0;
    for (const PartRange& range : m_recording.rangesOf(from, count)) {
        QString error;
        const ReadOnlyFile& f = file(range.part, error);
        if (!error.isEmpty())
            return error;
        const int64_t got = f.read(range.offset, at + read, range.bytes);
        if (got < 0)
            return SystemErrorText(errno);
        if (got < range.bytes)
            return FileCutShortText();
        read += got;
    }
    return read < count * Recording::SampleBytes ? FileCutShortText() : QString();
}
