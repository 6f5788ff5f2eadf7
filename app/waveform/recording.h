// One recording to be split: the 44.1 kHz 16-bit stereo WAV files that hold
// it, one after another (one file, or the files a CUE sheet names in its
// order), addressed as one run of samples from the first file's first
// sample on.
#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// A run of bytes in one part's file.
struct PartRange {
    int part = 0;
    int64_t offset = 0;  // file offset
    int64_t bytes = 0;
};

struct RecordingPart {
    QString path;
    int64_t dataOffset = 0;  // file offset of the first data byte
    int64_t dataBytes = 0;   // a whole number of 4-byte samples
};

class Recording {
public:
    static constexpr int SampleBytes = 4;  // one stereo 16-bit sample

    Recording() = default;
    explicit Recording(QList<RecordingPart> parts);

    const QList<RecordingPart>& parts() const { return m_parts; }
    int64_t samples() const { return m_samples; }
    // The samples before part i.
    int64_t partStart(int i) const { return m_starts[i]; }
    // The part that holds sample s (the last part for s at or past the end).
    int partAt(int64_t s) const;
    // Where samples [from, from + count) lie in the files, in order; they
    // hold fewer bytes than asked for where the recording ends first.
    QList<PartRange> rangesOf(int64_t from, int64_t count) const;

private:
    QList<RecordingPart> m_parts;
    QList<int64_t> m_starts;
    int64_t m_samples = 0;
};
