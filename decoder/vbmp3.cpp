// The seven exported functions over the library's one decode session.
#include "vbmp3.h"

#include "decode_session.h"

#include <mpg123.h>

#include <cstddef>
#include <memory>
#include <mutex>

static_assert(sizeof(VBMP3_INFORMATION) == 528);
static_assert(offsetof(VBMP3_INFORMATION, totalFrames) == 524);

namespace {

std::mutex sessionLock;
std::unique_ptr<vbmp3::DecodeSession> session;

}  // namespace

extern "C" {

VBMP3_EXPORT void vbmp3_init(void)
{
    const std::lock_guard lock(sessionLock);
    mpg123_init();
    if (!session)
        session = std::make_unique<vbmp3::DecodeSession>();
}

VBMP3_EXPORT void vbmp3_free(void)
{
    const std::lock_guard lock(sessionLock);
    session.reset();
}

VBMP3_EXPORT int32_t vbmp3_open(const char* path, VBMP3_INFORMATION* info)
{
    const std::lock_guard lock(sessionLock);
    if (!session || path == nullptr || info == nullptr)
        return 0;
    return session->open(path, *info) ? 1 : 0;
}

VBMP3_EXPORT int32_t vbmp3_decodeWave(const char* path)
{
    const std::lock_guard lock(sessionLock);
    if (!session || path == nullptr)
        return 0;
    return session->start(path) ? 1 : 0;
}

VBMP3_EXPORT int32_t vbmp3_getState(int32_t* position)
{
    const std::lock_guard lock(sessionLock);
    if (!session) {
        if (position != nullptr)
            *position = 0;
        return 0;
    }
    return session->running(position) ? 1 : 0;
}

VBMP3_EXPORT int32_t vbmp3_getPlaySamples(void)
{
    const std::lock_guard lock(sessionLock);
    return session ? session->framesDecoded() : 0;
}

VBMP3_EXPORT void vbmp3_close(void)
{
    const std::lock_guard lock(sessionLock);
    if (session)
        session->close();
}

}  // extern "C"
