#include "list_session.h"

#include "AtomicFileWrite.h"
#include "CueSheetMessages.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SameFile.h"
#include "SaveFilePrompt.h"
#include "list_checks.h"
#include "play_list.h"
#include "session_messages.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The list file's bytes, or nothing when it is not a readable regular file
// (a FIFO or a folder is never opened, so nothing can hang on it). A file
// larger than any list is cut short, and then refused as no list file.
std::optional<QByteArray> readListFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(listfile::MaxBytes + 1);
}

QList<Track> tracksOf(const PlayList& list)
{
    return QList<Track>(list.TrackList().begin() + 1, list.TrackList().begin() + 1 + list.TrackCount());
}

QList<ListedTrack> stampedTracks(const PlayList& list)
{
    QList<ListedTrack> listed;
    for (const Track& track : tracksOf(list))
        listed.append({track, StampOf(track.path).value_or(FileStamp{})});
    return listed;
}

}  // namespace

ListSession::ListSession(PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent, Hooks hooks,
                         const QString& journalPath)
    : m_list(list)
    , m_prompts(prompts)
    , m_saveFiles(saveFiles)
    , m_parent(parent)
    , m_hooks(std::move(hooks))
    , m_journal(journalPath, [this](const QString& path, const QString& error) {
        message(sessionmessages::journalFailed(path, error), ProgramTitle());
    })
{
}

void ListSession::ListChanged()
{
    if (m_loading)
        return;
    m_unsaved = true;
    updateJournal();
}

void ListSession::EditsSaved()
{
    m_unsaved = false;
}

void ListSession::updateJournal()
{
    if (m_list.TrackCount() > 0)
        m_journal.Write(tracksOf(m_list));
    else
        m_journal.Remove();
}

void ListSession::OpenListCommand()
{
    const QString path = m_prompts.openFileNames(m_parent, sessionmessages::openCaption(), sessionmessages::listFilter()).value(0);
    if (path.isEmpty())
        return;
    openList(path, false, [this] {
        return !m_unsaved || m_list.TrackCount() == 0 ||
               m_prompts.message(m_parent, sessionmessages::discardQuestion(), sessionmessages::openCaption(),
                                 Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) == Prompts::Answer::Ok;
    });
}

void ListSession::SaveListCommand()
{
    const QString proposed = m_lastListPath.isEmpty()
                                 ? QFileInfo(m_list.TrackAt(1).path).absolutePath() + QStringLiteral("/list.sonvelle")
                                 : m_lastListPath;
    QString path = m_saveFiles.saveFileName(m_parent, sessionmessages::saveCaption(), proposed,
                                            sessionmessages::listFilter());
    if (path.isEmpty())
        return;
    if (!path.endsWith(sessionmessages::listEnding(), Qt::CaseInsensitive))
        path += sessionmessages::listEnding();
    if (QFileInfo::exists(path) &&
        m_prompts.message(m_parent, cuemessages::confirmReplace(path), sessionmessages::saveCaption(),
                          Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) != Prompts::Answer::Ok)
        return;
    const QByteArray bytes = listfile::Encode(stampedTracks(m_list), QFileInfo(path).absolutePath());
    if (const auto error = WriteFileAtomically(path, bytes)) {
        message(sessionmessages::writeFailed(*error), sessionmessages::saveCaption());
        return;
    }
    m_lastListPath = path;
    m_unsaved = false;
}

bool ListSession::AskRestore(Prompts& prompts, const QString& journalPath)
{
    if (!QFileInfo::exists(journalPath))
        return false;
    const auto bytes = readListFile(journalPath);
    const bool holdsTracks =
        bytes && !listfile::Decode(*bytes, QFileInfo(journalPath).absolutePath()).tracks.isEmpty();
    if (holdsTracks && prompts.message(nullptr, sessionmessages::restoreQuestion(), ProgramTitle(),
                                       Prompts::Buttons::YesNo, Prompts::Answer::Yes) == Prompts::Answer::Yes)
        return true;
    QFile::remove(journalPath);
    return false;
}

void ListSession::Restore()
{
    openList(m_journal.path(), true, [] { return true; });
}

void ListSession::Flush()
{
    if (m_unsaved) {
        m_journal.Flush();
        return;
    }
    // Nothing that a file does not keep: there is nothing to restore.
    m_journal.Remove();
}

void ListSession::Discard()
{
    m_unsaved = false;
    m_journal.Remove();
}

bool ListSession::openList(const QString& path, bool restoring, const std::function<bool()>& confirm)
{
    const QString name = QFileInfo(path).fileName();
    const auto bytes = readListFile(path);
    if (!bytes) {
        message(sessionmessages::unreadable(name), sessionmessages::readErrorCaption());
        return false;
    }
    const listfile::Decoded decoded = listfile::Decode(*bytes, QFileInfo(path).absolutePath());
    if (decoded.refusal) {
        message(sessionmessages::refused(name, *decoded.refusal), sessionmessages::readErrorCaption());
        return false;
    }
    if (!confirm())
        return false;

    m_loading = true;
    m_hooks.ApplyListChange(m_list.RemoveAllTracks());
    QList<sessionmessages::TrackNote> notes;
    // Stored tracks are drawn together: one redraw of the play bar for a
    // run of them, before a file is analysed and at the end.
    ListChange stored;
    const auto drawStored = [&] {
        m_hooks.ApplyListChange(stored);
        stored = {};
    };
    for (const ListedTrack& listed : decoded.tracks) {
        const TrackVerdict verdict = CheckListedTrack(listed);
        if (listHoldsFile(m_list, listed.track.path)) {
            notes.append({listed.track.path, verdict, false, true});
        } else if (verdict == TrackVerdict::Stored) {
            listStored(listed, stored);
        } else if (verdict == TrackVerdict::Changed || verdict == TrackVerdict::Unsound) {
            drawStored();
            notes.append({listed.track.path, verdict, m_hooks.Reanalyse(listed.track.path)});
        } else {
            notes.append({listed.track.path, verdict, false});
        }
    }
    drawStored();
    m_loading = false;
    m_hooks.Opened();
    if (!notes.isEmpty())
        message(sessionmessages::openReport(notes), sessionmessages::openCaption());
    // A list that came back whole from its file holds no unsaved edit; a
    // restored one, or one that lost edits or tracks on the way, does.
    m_unsaved = restoring || !notes.isEmpty();
    if (!restoring)
        m_lastListPath = path;
    updateJournal();
    return true;
}

void ListSession::listStored(const ListedTrack& listed, ListChange& change)
{
    // The slot takes the stored colour from the free slot that holds it, so
    // that slots 1..30 keep holding the thirty start-up colours.
    const int slot = std::min(m_list.TrackCount() + 1, int(PlayList::MaxTracks));
    for (int other = slot; other <= PlayList::MaxTracks; ++other) {
        if (m_list.TrackAt(other).record.color == listed.track.record.color) {
            std::swap(m_list.TrackAt(other).record.color, m_list.TrackAt(slot).record.color);
            break;
        }
    }
    TrackRecord record = listed.track.record;
    record.color = m_list.TrackAt(slot).record.color;
    m_list.AddTrack(listed.track.title, listed.track.path, record);
    const ListChange added = m_list.AddedTrackChange(slot);
    change.changed = true;
    change.trackRows += added.trackRows;
    change.muteRows += added.muteRows;
    change.redrawPlayBar = true;
}

void ListSession::message(const QString& text, const QString& caption)
{
    m_prompts.message(m_parent, text, caption, Prompts::Buttons::Ok);
}
