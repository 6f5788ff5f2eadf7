// Measures the loudness of listed tracks in the background and keeps the
// figures by file identity.
//
// Thread contract: every public member is called on the thread that owns
// the meter (the user-interface thread), which alone reads and writes the
// figures and the failures. The workers (one per core, started with the
// meter, at a lower scheduling priority than that thread) share only the
// queue, under its mutex, and the stop flag; a job is a copy (the encoded
// path and two numbers) and its result is posted back to the owning thread
// as a queued call. No worker touches the play list or any widget. The
// destructor sets the stop flag, which each worker sees within one block of
// measuring (milliseconds), and joins them.
#pragma once

#include "file_version.h"
#include "loudness_figures.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <atomic>
#include <cstdint>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class PlayList;
struct TrackMeasurement;

class LoudnessMeter : public QObject {
    Q_OBJECT
public:
    // A track's data as opened: its file and the place of its samples.
    struct Source {
        int track = 0;  // lower numbers are measured first
        QString path;
        qint64 dataOffset = 0;
        qint64 dataBytes = 0;
    };
    // What is known of a source's file as it is on disk now.
    struct Status {
        enum State { Unmeasured, Measured, Failed } state = Unmeasured;
        LoudnessFigures figures;  // when Measured
        QString error;            // when Failed: the system's reason
    };

    // Added to the workers' nice value: measuring gives way to the user
    // interface, to opening and to playback.
    static constexpr int WorkerNiceIncrement = 10;

    // workers 0: one per core.
    explicit LoudnessMeter(int workers = 0, QObject* parent = nullptr);
    ~LoudnessMeter() override;

    // Track i of the list; tracks 1..TrackCount, in that order.
    static Source SourceOf(const PlayList& list, int i);
    static QList<Source> SourcesOf(const PlayList& list);

    // Queues, lowest track first, every source that has no figures and is not
    // being measured; a source that failed before is tried again.
    void Measure(const QList<Source>& sources);
    // Queues the sources that still lack figures without a failure (their
    // file changed since) and returns how many are not yet settled, i.e.
    // neither measured nor failed.
    int Unsettled(const QList<Source>& sources);

    // Waits until no source is unsettled, letting the owning thread's events
    // run (the results arrive as events). progress gets the settled share in
    // percent and returns 1001 to stop waiting early. False when stopped so.
    bool AwaitSettled(const QList<Source>& sources, int32_t (*progress)(int32_t));

    Status StatusOf(const Source& source) const;

signals:
    // A measurement ended, with figures or with a failure.
    void Measured();

private:
    struct Job {
        int track;
        QString path;  // the key of the owning thread's bookkeeping
        std::string encodedPath;
        qint64 dataOffset;
        qint64 dataBytes;
    };

    void enqueue(const Source& source);
    void work();
    void accept(const QString& path, const TrackMeasurement& result);

    // Shared with the workers.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_queue;
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_workers;

    // The owning thread's alone.
    QHash<FileVersion, LoudnessFigures> m_figures;
    QHash<QString, QString> m_failures;  // path -> reason of its last failure
    QSet<QString> m_underway;            // paths queued or being measured
};
