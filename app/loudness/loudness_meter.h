// Measures the loudness of listed tracks in the background and keeps the
// figures, the failures and the work under way by file version, so that a
// file saved, replaced or moved in, even while it is being measured, is
// measured again.
//
// Thread contract: every public member is called on the thread that owns
// the meter (the user-interface thread), which alone reads and writes the
// figures and the failures. The workers (one per core, started with the
// meter, at a lower scheduling priority than that thread) share only the
// queue, under its mutex, and the stop flag; a job is a copy (the encoded
// path, the version queued and two numbers) and its result is posted back
// to the owning thread as a queued call. No worker touches the play list or any widget. The
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
#include <functional>
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
    // Queues the sources that are not settled, i.e. neither measured nor
    // failed as their files are now (a file changed since), and returns how
    // many they are.
    int QueueUnsettled(const QList<Source>& sources);

    // Waits until no source is unsettled, letting the owning thread's events
    // run (the results arrive as events). keepWaiting gets the settled share
    // in percent and returns false to stop waiting early. False when
    // stopped so.
    bool AwaitSettled(const QList<Source>& sources, const std::function<bool(int32_t percent)>& keepWaiting);

    Status StatusOf(const Source& source) const;

signals:
    // A measurement ended, with figures or with a failure.
    void Measured();

private:
    struct Job {
        int track;
        FileVersion version;  // the file as queued: the key of the owning thread's bookkeeping
        std::string encodedPath;
        qint64 dataOffset;
        qint64 dataBytes;
    };

    bool settled(const FileVersion& version) const;
    void enqueue(const Source& source, const FileVersion& version);
    void work();
    void accept(const FileVersion& version, const TrackMeasurement& result);

    // Shared with the workers.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_queue;
    std::atomic<bool> m_stop{false};
    std::vector<std::thread> m_workers;

    // The owning thread's alone.
    QHash<FileVersion, LoudnessFigures> m_figures;
    QHash<FileVersion, QString> m_failures;  // the reason of each version's last failure
    QSet<FileVersion> m_underway;            // versions queued or being measured
};
