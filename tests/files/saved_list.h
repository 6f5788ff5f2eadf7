// A play list of real WAV files in a temporary folder, for the save tests.
#pragma once

#include "play_list.h"
#include "temp_dir.h"

#include <QString>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace savetest {

using Bytes = std::vector<uint8_t>;

// Writes a WAV file of `samples` noise samples (distinct per seed) at path.
Bytes writeTrackFile(const std::filesystem::path& path, size_t samples, uint32_t seed);

// Analyses the file at path and appends it to list under its file name.
// Returns the new track's index.
int addTrack(PlayList& list, const std::filesystem::path& path);

// What FileSave alone writes for record (the track's numbers) rendered in
// place from a file holding original.
Bytes renderedByFileSave(const Track& track, const Bytes& original);

// The names in folder, sorted.
std::vector<std::string> namesIn(const std::filesystem::path& folder);

QString qpath(const std::filesystem::path& path);

}  // namespace savetest
