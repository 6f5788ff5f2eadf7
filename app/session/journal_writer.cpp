#include "journal_writer.h"

#include "atomic_file_write.h"
#include "list_file.h"
#include "system_error_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

JournalWriter::JournalWriter(QString path, FailureSink onFailure, QObject* parent)
    : QObject(parent)
    , m_path(std::move(path))
    , m_onFailure(std::move(onFailure))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &JournalWriter::handOver);
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("journal"));
    m_thread.start();
}

JournalWriter::~JournalWriter()
{
    // Everything written, handed over or still waiting for the interval,
    // reaches the disk before the program goes on to end.
    Flush();
    m_thread.quit();
    m_thread.wait();
}

QString JournalWriter::DefaultPath()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/sonvelle/journal.sonvelle");
}

void JournalWriter::Write(QList<Track> tracks, DiscTexts disc)
{
    m_pending = std::move(tracks);
    m_pendingDisc = std::move(disc);
    if (m_timer.isActive())
        return;
    const qint64 since = m_sinceHandOver.isValid() ? m_sinceHandOver.elapsed() : IntervalMs;
    m_timer.start(int(std::clamp<qint64>(IntervalMs - since, 0, IntervalMs)));
}

void JournalWriter::handOver()
{
    if (!m_pending)
        return;
    m_sinceHandOver.restart();
    QMetaObject::invokeMethod(m_worker, [this, path = m_path, tracks = std::move(*m_pending), disc = m_pendingDisc] {
        const QString folder = QFileInfo(path).absolutePath();
        std::optional<QString> error;
        if (!QDir().mkpath(folder))
            error = SystemErrorText(errno);
        else
            error = WriteFileAtomically(path, listfile::Encode(tracks, folder, disc));
        if (error)
            QMetaObject::invokeMethod(this, [this, message = *error] { reportFailure(message); },
                                      Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    m_pending.reset();
}

void JournalWriter::Flush()
{
    m_timer.stop();
    handOver();
    QMetaObject::invokeMethod(m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void JournalWriter::Remove()
{
    m_timer.stop();
    m_pending.reset();
    QMetaObject::invokeMethod(m_worker, [path = m_path] { QFile::remove(path); }, Qt::QueuedConnection);
}

void JournalWriter::reportFailure(const QString& error)
{
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_onFailure(m_path, error);
}
