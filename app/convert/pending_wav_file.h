// A 44.1 kHz, 16-bit stereo PCM WAV file with the canonical 44-byte header
// (fmt chunk of 16 bytes, no other chunk), written under a temporary name in
// its destination's directory and renamed into place only by commit(). Until
// then the destination is untouched; a file destroyed without commit()
// removes its temporary file, so a cancelled or failed conversion leaves
// nothing behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class PendingWavFile {
public:
    enum class Status { Ok, DiskFull, Failed };

    explicit PendingWavFile(std::string destination);
    ~PendingWavFile();
    PendingWavFile(const PendingWavFile&) = delete;
    PendingWavFile& operator=(const PendingWavFile&) = delete;

    // Creates the temporary file with room for the header. Failed when the
    // directory cannot take a new file.
    Status open();

    // Appends interleaved stereo frames (two samples each).
    Status appendFrames(const int16_t* samples, size_t frames);

    // Writes the header with the final sizes and renames the file to the
    // destination, replacing a file of that name.
    Status commit();

    // The largest data chunk the header's 32-bit sizes can describe.
    static constexpr uint64_t MaxDataBytes = 0xFFFFFFFFull - 36;

private:
    Status fail();

    std::string m_destination;
    std::string m_temporary;
    int m_fd = -1;
    uint64_t m_dataBytes = 0;
};
