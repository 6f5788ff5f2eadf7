// Reads a recording's samples at any place, across its files, into a buffer
// of the caller's. Each file is opened once, when first read.
//
// Use from one thread at a time.
#pragma once

#include "recording.h"

#include <QString>

#include <memory>
#include <vector>

class ReadOnlyFile;

class RecordingReader {
public:
    explicit RecordingReader(const Recording& recording);
    ~RecordingReader();

    // Reads count samples from sample `from` on into `into` (count * 2
    // values, left then right). Returns the description of a failure (among
    // them a file cut short since it was opened), empty on success.
    QString read(int64_t from, int64_t count, int16_t* into);

private:
    const ReadOnlyFile& file(int part, QString& error);

    const Recording& m_recording;
    std::vector<std::unique_ptr<ReadOnlyFile>> m_files;
};
