#include "SplitPlayback.h"

#include "EngineClient.h"


#include <mutex>

namespace {

std::mutex g_callbackLock;
SplitPlayback* g_callbackPlayback = nullptr;

// The part as a track the engine plays unchanged: level 100, no mutes, no
// fades.
Track partTrack(const RecordingPart& part)
{
    Track track;
    track.path = part.path;
    TrackRecord& r = track.record;
    r.dataOffset = int32_t(part.dataOffset);
    r.dataBytes = int32_t(std::min<int64_t>(part.dataBytes, INT32_MAX - 64) & ~int64_t(3));
    r.riffBytes = r.dataBytes + 36;
    r.postMutePoint = r.origPostMutePoint = r.soundBytes = r.dataBytes;
    r.levelPercent = 100;
    r.preDigitalMute = r.postDigitalMute = r.fadeInEnd = r.fadeOutStart = -1;
    r.fadeInCurve = r.fadeOutCurve = 1.0f;
    return track;
}

}  // namespace

SplitPlayback::SplitPlayback(const Recording& recording, QObject* parent)
    : QObject(parent)
    , m_recording(recording)
{
    std::lock_guard guard(g_callbackLock);
    g_callbackPlayback = this;
    m_time.start();
}

SplitPlayback::~SplitPlayback()
{
    {
        std::lock_guard guard(g_callbackLock);
        if (g_callbackPlayback == this)
            g_callbackPlayback = nullptr;
    }
    if (playing())
        engineclient::control(Track(), 0, -1);
}

int32_t SplitPlayback::Callback(int32_t position)
{
    std::lock_guard guard(g_callbackLock);
    if (SplitPlayback* playback = g_callbackPlayback) {
        QMetaObject::invokeMethod(
            playback, [playback, position] { playback->onReport(position); }, Qt::QueuedConnection);
    }
    return 0;
}

bool SplitPlayback::play(int64_t from, int64_t until)
{
    if (m_recording.parts().isEmpty())
        return false;
    from = std::clamp<int64_t>(from, 0, std::max<int64_t>(0, m_recording.samples() - 1));
    m_until = until;
    m_stopping = false;
    m_clock.start(from, m_time.elapsed());
    const int part = m_recording.partAt(from);
    return playPart(part, from - m_recording.partStart(part));
}

bool SplitPlayback::playPart(int part, int64_t inPart)
{
    const Track track = partTrack(m_recording.parts()[part]);
    const int32_t offset = int32_t(inPart * Recording::SampleBytes);
    if (engineclient::play(track, offset, &SplitPlayback::Callback) != ENGINE_SUCCESS) {
        m_part = -1;
        return false;
    }
    m_part = part;
    return true;
}

void SplitPlayback::stop()
{
    if (!playing() || m_stopping)
        return;
    m_stopping = true;
    engineclient::control(partTrack(m_recording.parts()[m_part]), 0, -1);
}

void SplitPlayback::onReport(int32_t position)
{
    if (m_part < 0)
        return;
    if (position >= 0) {
        const int64_t at = m_recording.partStart(m_part) + position / Recording::SampleBytes;
        m_clock.report(at, m_time.elapsed());
        if (m_until >= 0 && heardNow() >= m_until)
            stop();
        return;
    }
    // The part ended: the next one follows, unless playback was stopped,
    // failed or has played the last part.
    const int next = m_part + 1;
    if (position == -1 && !m_stopping && next < m_recording.parts().size() &&
        (m_until < 0 || m_recording.partStart(next) < m_until) && playPart(next, 0))
        return;
    m_part = -1;
    m_stopping = false;
    emit stopped();
}
