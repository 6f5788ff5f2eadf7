// Measures one track's sample data with libebur128: integrated loudness and
// true peak of the 44.1 kHz 16-bit stereo data at [dataOffset, dataOffset +
// dataBytes) of a file, read through a descriptor of its own.
//
// Thread contract: a pure function of its arguments and the file; safe to
// run on any thread, on many at once. It touches no Qt object.
#pragma once

#include "file_version.h"
#include "loudness_figures.h"

#include <QString>

#include <atomic>
#include <optional>
#include <string>

struct TrackMeasurement {
    // The identity of the file that was read; empty when it could not be
    // opened, or when it changed while being read (then nothing is known).
    std::optional<FileVersion> identity;
    LoudnessFigures figures;
    // The system's reason when the file could not be read; empty otherwise.
    QString error;
};

// Stops early, with nothing measured, once stop is set (checked after every
// block of a few milliseconds' work).
TrackMeasurement MeasureTrack(const std::string& encodedPath, qint64 dataOffset, qint64 dataBytes,
                              const std::atomic<bool>& stop);
