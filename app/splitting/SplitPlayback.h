// The split window's playback of the recording through the engine, from any
// place and across its files, with the place the listener hears.
//
// The engine reports on its worker thread through a plain C callback, which
// only posts each report, in order, to the playback object made last; all
// else runs on the user-interface thread.
#pragma once

#include "play_clock.h"
#include "recording.h"

#include <QElapsedTimer>
#include <QObject>

#include <cstdint>

class SplitPlayback : public QObject {
    Q_OBJECT
public:
    explicit SplitPlayback(const Recording& recording, QObject* parent = nullptr);
    // Stops a running playback; reports still on their way are dropped.
    ~SplitPlayback() override;

    // Plays from sample `from` on, up to sample `until` when it is given.
    // False when the audio output cannot be opened.
    bool play(int64_t from, int64_t until = -1);
    void stop();
    bool playing() const { return m_part >= 0; }
    // The sample heard now.
    int64_t heardNow() const { return m_clock.heardAt(m_time.elapsed()); }

    // The engine's callback; runs on its worker thread.
    static int32_t Callback(int32_t position);

signals:
    // Playback ended, by stop() or at its end.
    void stopped();

private:
    bool playPart(int part, int64_t inPart);
    void onReport(int32_t position);

    const Recording& m_recording;
    PlayClock m_clock;
    QElapsedTimer m_time;
    int m_part = -1;
    int64_t m_until = -1;
    bool m_stopping = false;
};
