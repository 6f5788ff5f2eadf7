// A 44.1 kHz, 16-bit stereo PCM WAV file with the canonical 44-byte header
// (fmt chunk of 16 bytes, no other chunk), written as a DecodeTemporaryFile
// in its destination's directory and renamed into place only by commit().
// Until then the destination is untouched; a file destroyed without commit()
// removes its temporary file, so a cancelled or failed conversion leaves
// nothing behind (and a killed one leaves a file the next decode removes).
#pragma once

#include "decode_temporary_file.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class PendingWavFile {
public:
    enum class Status { Ok, DiskFull, TooLong, Failed };

    explicit PendingWavFile(std::string destination);
    ~PendingWavFile();
    PendingWavFile(const PendingWavFile&) = delete;
    PendingWavFile& operator=(const PendingWavFile&) = delete;

    // Creates the temporary file with room for the header. Failed when the
    // directory cannot take a new file.
    Status open();

    // Appends interleaved stereo frames (two samples each); TooLong, with
    // nothing appended, when the data would pass MaxDataBytes. The frames
    // are gathered and written in large pieces, so a failed write may show
    // in a later call.
    Status appendFrames(const int16_t* samples, size_t frames);

    // Writes what is gathered and the header with the final sizes, and
    // renames the file to the destination, replacing a file of that name.
    Status commit();

    // The largest data chunk the engine takes: its track record counts the
    // RIFF size (data + 36) in a signed 32-bit field, about 2 GiB; whole
    // frames only.
    static constexpr uint64_t MaxDataBytes = (0x7FFFFFFFull - 36) & ~3ull;

private:
    Status fail();
    Status flush();

    std::string m_destination;
    std::optional<DecodeTemporaryFile> m_temporary;
    uint64_t m_dataBytes = 0;
    std::vector<uint8_t> m_gathered;  // data not yet written
};
