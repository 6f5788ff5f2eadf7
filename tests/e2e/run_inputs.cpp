#include "run_inputs.h"

#include "mp3_encoder.h"
#include "wav_builder.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace userrun {
namespace {

constexpr int Rate = 44100;
constexpr double HeadSeconds = 0.5;
constexpr double TailSeconds = 1.5;
constexpr double NoteSeconds = 0.5;

// A pentatonic scale: the steps of the notes above a track's base.
constexpr double Scale[] = {1.0, 9.0 / 8, 5.0 / 4, 3.0 / 2, 5.0 / 3, 2.0};

// Interleaved stereo samples: silence, notes, silence. Every note starts
// with a 5 ms rise and dies away; its level wanders between 35 % and 70 % of
// the peak, and the one accent note reaches the peak itself.
std::vector<int16_t> notes(const InputTrack& track)
{
    const size_t frames = size_t(track.seconds * Rate);
    const size_t head = size_t(HeadSeconds * Rate);
    const size_t soundEnd = frames - size_t(TailSeconds * Rate);
    const size_t noteFrames = size_t(NoteSeconds * Rate);
    const size_t accent = head + size_t((track.accentAt * track.seconds - HeadSeconds) / NoteSeconds) * noteFrames;
    std::vector<int16_t> samples(frames * 2, 0);
    uint32_t random = 12345u + uint32_t(track.baseHz);
    for (size_t start = head; start < soundEnd; start += noteFrames) {
        random = random * 1664525u + 1013904223u;
        const double hz = track.baseHz * Scale[(random >> 16) % std::size(Scale)];
        const double swell = 0.35 + 0.35 * (0.5 + 0.5 * std::sin(double(start) / Rate * 0.7));
        const double level = (start == accent ? 1.0 : swell) * track.peak;
        const double pan = 0.6 + 0.4 * double((random >> 8) % 100) / 100.0;
        for (size_t i = 0; i < noteFrames && start + i < soundEnd; ++i) {
            const double t = double(i) / Rate;
            const double envelope = std::min(1.0, t / 0.005) * std::exp(-t / 0.18);
            const double phase = 2.0 * M_PI * hz * t;
            // The harmonics' weights add up to 1, so the note stays within its level.
            const double wave = (std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.15 * std::sin(3 * phase)) / 1.45;
            const double value = level * envelope * wave;
            samples[(start + i) * 2] = int16_t(std::lround(value * pan));
            samples[(start + i) * 2 + 1] = int16_t(std::lround(value * (1.6 - pan)));
        }
    }
    return samples;
}

}  // namespace

const std::vector<InputTrack>& inputTracks()
{
    static const std::vector<InputTrack> tracks = {
        {"sunrise.wav", 100, 12000, 0.30, 262},
        {"harbour.wav", 80, 24000, 0.55, 196},
        {"lanterns.wav", 70, 6000, 0.40, 330},
        {"evening.mp3", 50, 9000, 0.50, 220},
    };
    return tracks;
}

bool isMp3(const InputTrack& track)
{
    return track.file.ends_with(".mp3");
}

std::string openedTitle(const InputTrack& track)
{
    return isMp3(track) ? track.file.substr(0, track.file.size() - 3) + "wav" : track.file;
}

void writeInputs(const std::filesystem::path& folder)
{
    for (const InputTrack& track : inputTracks()) {
        if (isMp3(track))
            testsupport::writeMp3(folder / track.file, notes(track));
        else
            testsupport::writeFile(folder / track.file, testsupport::makeWav(notes(track)));
    }
}

}  // namespace userrun
