// The files a user brings to the end-to-end run: three WAV tracks and one
// MP3 file, made of short decaying notes so that the waveform and the play
// bar look like music, each with its own loudness, silent head and tail.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace userrun {

struct InputTrack {
    std::string file;   // name in the inputs folder
    double seconds;     // whole length, head and tail silence included
    int peak;           // loudest sample of the accent note
    double accentAt;    // where the accent note lies, as a share of the length
    double baseHz;      // lowest note of the track's scale
};

// In the order the run opens them: the three WAV files, then the MP3 file.
const std::vector<InputTrack>& inputTracks();

// The WAV file a track is opened as: the MP3 file's is decoded under the
// same name ending in "wav".
std::string openedTitle(const InputTrack& track);
bool isMp3(const InputTrack& track);

// Writes every input track into folder (the MP3 file through lame).
void writeInputs(const std::filesystem::path& folder);

}  // namespace userrun
