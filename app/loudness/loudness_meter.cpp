#include "loudness_meter.h"

#include "play_list.h"
#include "system_error_text.h"
#include "track_measurement.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>

#include <sys/resource.h>

#include <algorithm>
#include <cerrno>

LoudnessMeter::LoudnessMeter(int workers, QObject* parent) : QObject(parent)
{
    const int count = workers > 0 ? workers : std::max(1u, std::thread::hardware_concurrency());
    for (int i = 0; i < count; ++i)
        m_workers.emplace_back([this] { work(); });
}

LoudnessMeter::~LoudnessMeter()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    for (std::thread& worker : m_workers)
        worker.join();
}

LoudnessMeter::Source LoudnessMeter::SourceOf(const PlayList& list, int i)
{
    const Track& track = list.TrackAt(i);
    return {i, track.path, track.record.dataOffset, track.record.dataBytes};
}

QList<LoudnessMeter::Source> LoudnessMeter::SourcesOf(const PlayList& list)
{
    QList<Source> sources;
    for (int i = 1; i <= list.TrackCount(); ++i)
        sources.append(SourceOf(list, i));
    return sources;
}

void LoudnessMeter::Measure(const QList<Source>& sources)
{
    for (const Source& source : sources) {
        const auto version = FileVersion::OfPath(source.path);
        if (!version)
            continue;
        m_failures.remove(*version);
        if (!m_figures.contains(*version))
            enqueue(source, *version);
    }
}

int LoudnessMeter::QueueUnsettled(const QList<Source>& sources)
{
    int count = 0;
    for (const Source& source : sources) {
        const auto version = FileVersion::OfPath(source.path);
        if (!version || settled(*version))
            continue;
        enqueue(source, *version);
        ++count;
    }
    return count;
}

bool LoudnessMeter::AwaitSettled(const QList<Source>& sources, const std::function<bool(int32_t percent)>& keepWaiting)
{
    for (;;) {
        const int unsettled = QueueUnsettled(sources);
        if (unsettled == 0)
            return true;
        if (!keepWaiting(static_cast<int32_t>(100 * (sources.size() - unsettled) / sources.size())))
            return false;
        // Some measurement is still on its way, and its result will wake this.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

LoudnessMeter::Status LoudnessMeter::StatusOf(const Source& source) const
{
    Status status;
    const auto version = FileVersion::OfPath(source.path);
    if (!version) {
        status.state = Status::Failed;
        status.error = SystemErrorText(errno);
        return status;
    }
    if (const auto figures = m_figures.constFind(*version); figures != m_figures.constEnd()) {
        status.state = Status::Measured;
        status.figures = *figures;
    } else if (const auto failure = m_failures.constFind(*version); failure != m_failures.constEnd()) {
        status.state = Status::Failed;
        status.error = *failure;
    }
    return status;
}

bool LoudnessMeter::settled(const FileVersion& version) const
{
    return m_figures.contains(version) || m_failures.contains(version);
}

void LoudnessMeter::enqueue(const Source& source, const FileVersion& version)
{
    if (m_underway.contains(version))
        return;
    m_underway.insert(version);
    {
        const std::lock_guard lock(m_mutex);
        const auto later = std::upper_bound(m_queue.begin(), m_queue.end(), source.track,
                                            [](int track, const Job& job) { return track < job.track; });
        m_queue.insert(later, {source.track, version, QFile::encodeName(source.path).toStdString(),
                               source.dataOffset, source.dataBytes});
    }
    m_wake.notify_one();
}

void LoudnessMeter::work()
{
    // On Linux the nice value belongs to the calling thread alone.
    setpriority(PRIO_PROCESS, 0, getpriority(PRIO_PROCESS, 0) + WorkerNiceIncrement);
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_queue.empty(); });
            if (m_stop)
                return;
            job = std::move(m_queue.front());
            m_queue.pop_front();
        }
        TrackMeasurement result = MeasureTrack(job.encodedPath, job.dataOffset, job.dataBytes, m_stop);
        if (m_stop)
            return;
        QMetaObject::invokeMethod(
            this, [this, version = job.version, result = std::move(result)] { accept(version, result); },
            Qt::QueuedConnection);
    }
}

// The figures belong to the file that was read, which may be newer than the
// one queued; a failure belongs to the version queued.
void LoudnessMeter::accept(const FileVersion& version, const TrackMeasurement& result)
{
    m_underway.remove(version);
    if (result.identity)
        m_figures.insert(*result.identity, result.figures);
    else if (!result.error.isEmpty())
        m_failures.insert(version, result.error);
    emit Measured();
}
