// One MP3 file opened with libmpg123 and, once started, decoded on a thread
// of its own into a WAV file.
//
// Thread-safety: the owner calls every member from one thread. The worker
// thread only reads the stream, writes the WAV file and publishes its
// progress through atomics; stop() and the destructor wait for it.
#pragma once

#include "vbmp3.h"
#include "wav_writer.h"

#include <atomic>
#include <cstdint>
#include <thread>

struct mpg123_handle_struct;

namespace vbmp3 {

class DecodeSession {
public:
    DecodeSession() = default;
    ~DecodeSession();
    DecodeSession(const DecodeSession&) = delete;
    DecodeSession& operator=(const DecodeSession&) = delete;

    // Opens path and fills info; false when it holds no MPEG audio stream.
    bool open(const char* path, VBMP3_INFORMATION& info);
    // Creates the WAV file and starts the worker.
    bool start(const char* wavPath);
    // True while the worker decodes; position gets the frames written.
    bool running(int32_t* position) const;
    int32_t framesDecoded() const { return m_framesDecoded.load(); }
    // Stops the worker if it runs, then closes the stream and the file.
    void close();

private:
    void decode();
    bool write(const unsigned char* bytes, size_t frames);

    mpg123_handle_struct* m_stream = nullptr;
    long m_rate = 0;     // of the stream
    int m_channels = 0;  // of the decoder's output
    WavWriter m_wav;
    std::thread m_worker;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_running{false};
    std::atomic<int32_t> m_framesDecoded{0};
    std::atomic<int32_t> m_framesWritten{0};
};

}  // namespace vbmp3
