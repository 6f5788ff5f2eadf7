// The crash journal: after every change the list is written, in the list
// file's format, to one file that a later start offers to restore.
//
// Thread contract. Every public member runs on the thread that created the
// writer (the user-interface thread). Write() only keeps a copy of the
// tracks (values: no reference into the play list crosses threads) and arms
// a timer, so that at most one write is handed over per IntervalMs. The
// hand-over passes that copy to a worker thread owned by the writer, which
// encodes the list (each track with the file version it carries: the files
// are not looked at again), writes a temporary file beside the journal,
// fsyncs it and renames it into place.
// The worker runs the hand-overs and removals one at a time in the order
// given and touches nothing of the caller's; a failure comes back to the
// creating thread by a queued call. Flush() and the destructor hand over a
// waiting write and wait for the worker to finish everything handed over, so
// that no write is ever dropped; Write() and Remove() never wait.
#pragma once

#include "play_list.h"  // Track (by the play list's own path: tests have a track.h of their own)

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <functional>
#include <optional>

class JournalWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 200;
    // Called once, on the creating thread, after the first write that failed;
    // the journal on disk (if any) then holds an older list.
    using FailureSink = std::function<void(const QString& path, const QString& error)>;

    JournalWriter(QString path, FailureSink onFailure, QObject* parent = nullptr);
    ~JournalWriter() override;

    // $XDG_STATE_HOME/sonvelle/journal.sonvelle, with ~/.local/state when
    // the variable is unset or not an absolute path.
    static QString DefaultPath();
    QString path() const { return m_path; }

    // The list now holds these tracks (slots 1..TrackCount in order) and
    // the disc's CD-TEXT.
    void Write(QList<Track> tracks, DiscTexts disc = {});
    // Hands over a waiting write at once and waits until every write handed
    // over is on disk (or has failed).
    void Flush();
    // Drops a waiting write and removes the journal after any write under way.
    void Remove();

private:
    void handOver();
    void reportFailure(const QString& error);

    QString m_path;
    FailureSink m_onFailure;
    bool m_failureReported = false;
    std::optional<QList<Track>> m_pending;
    DiscTexts m_pendingDisc;
    QTimer m_timer;
    QElapsedTimer m_sinceHandOver;
    QThread m_thread;
    QObject* m_worker = nullptr;   // lives on m_thread
};
