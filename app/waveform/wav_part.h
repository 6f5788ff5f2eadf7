// A WAV file of the one layout the engine plays (44.1 kHz, 16-bit stereo
// PCM) as a part of a recording, judged by the engine's own header check
// without reading the audio.
#pragma once

#include "recording.h"

#include <QString>

#include <optional>

// The file's data as a recording part: its offset, and its length as the
// header gives it but never beyond the file's end, in whole samples.
// Nothing when the file cannot be read or holds another layout.
std::optional<RecordingPart> WavPartOf(const QString& path);
