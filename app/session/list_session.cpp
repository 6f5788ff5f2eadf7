#include "list_session.h"

#include "ProgramTitle.h"
#include "Prompts.h"
#include "SaveFilePrompt.h"
#include "atomic_file_write.h"
#include "list_checks.h"
#include "list_codes.h"
#include "listed_files.h"
#include "play_list.h"
#include "session_messages.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

// Moves a journal that cannot be restored out of the way, under the name
// journal-YYYYMMDD-HHMMSS.sonvelle (its own modification time) in its folder,
// and says where it went.
void setAside(Prompts& prompts, const QString& journalPath)
{
    const QFileInfo journal(journalPath);
    const QString stem = journal.absolutePath() + QStringLiteral("/journal-") +
                         journal.lastModified().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem + sessionmessages::listEnding();
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = stem + QStringLiteral("-%1").arg(n) + sessionmessages::listEnding();
    QFile file(journalPath);
    const QString text = file.rename(aside) ? sessionmessages::journalSetAside(aside)
                                            : sessionmessages::journalNotSetAside(journalPath, file.errorString());
    prompts.message(nullptr, text, ProgramTitle(), Prompts::Buttons::Ok);
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

ListSession::~ListSession()
{
    KeepOrRemoveJournal();
}

void ListSession::ListChanged()
{
    if (m_loading)
        return;
    m_unsaved = true;
    updateJournal();
}

void ListSession::SaveBatchEnded()
{
    const QList<Track> tracks = tracksOf(m_list);
    m_unsaved = std::any_of(tracks.begin(), tracks.end(), [](const Track& track) { return !EditsInFile(track); });
}

QList<Track> ListSession::journalTracks() const
{
    QList<Track> tracks = tracksOf(m_list);
    for (const HeldTrack& held : m_held)
        tracks.insert(std::min(held.place, int(tracks.size())), held.track);
    return tracks;
}

void ListSession::updateJournal()
{
    QList<Track> tracks = journalTracks();
    if (tracks.isEmpty())
        m_journal.Remove();
    else
        m_journal.Write(std::move(tracks), m_list.DiscText());
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

bool ListSession::SaveListCommand()
{
    const QString proposed = m_lastListPath.isEmpty()
                                 ? QFileInfo(m_list.TrackAt(1).path).absolutePath() + QStringLiteral("/list.sonvelle")
                                 : m_lastListPath;
    QString path = m_saveFiles.saveFileName(m_parent, sessionmessages::saveCaption(), proposed,
                                            sessionmessages::listFilter());
    if (path.isEmpty())
        return false;
    if (!path.endsWith(sessionmessages::listEnding(), Qt::CaseInsensitive))
        path += sessionmessages::listEnding();
    if (QFileInfo::exists(path) &&
        m_prompts.message(m_parent, sessionmessages::confirmReplace(path), sessionmessages::saveCaption(),
                          Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) != Prompts::Answer::Ok)
        return false;
    const QByteArray bytes = listfile::Encode(tracksOf(m_list), QFileInfo(path).absolutePath(), m_list.DiscText());
    if (const auto error = WriteFileAtomically(path, bytes)) {
        message(sessionmessages::writeFailed(*error), sessionmessages::saveCaption());
        return false;
    }
    m_lastListPath = path;
    m_unsaved = false;
    return true;
}

bool ListSession::AskRestore(Prompts& prompts, const QString& journalPath)
{
    const QFileInfo journal(journalPath);
    if (!journal.exists() && !journal.isSymLink())
        return false;
    const auto bytes = readListFile(journalPath);
    const listfile::Decoded decoded =
        bytes ? listfile::Decode(*bytes, journal.absolutePath(), JournalMaxTracks) : listfile::Decoded{};
    if (!bytes || decoded.refusal) {
        setAside(prompts, journalPath);
        return false;
    }
    if (!decoded.tracks.isEmpty() &&
        prompts.message(nullptr, sessionmessages::restoreQuestion(journal.lastModified()), ProgramTitle(),
                        Prompts::Buttons::YesNo, Prompts::Answer::Yes) == Prompts::Answer::Yes)
        return true;
    QFile::remove(journalPath);
    return false;
}

void ListSession::Restore()
{
    // A signal that ends the program while the restore is under way finds
    // the list unsaved, and so leaves the journal as it is.
    m_unsaved = true;
    openList(m_journal.path(), true, [] { return true; });
}

void ListSession::KeepOrRemoveJournal()
{
    if (UnsavedEdits()) {
        m_journal.Flush();
        return;
    }
    // Nothing that a file does not keep: there is nothing to restore.
    m_journal.Remove();
}

void ListSession::Discard()
{
    m_unsaved = false;
    m_held.clear();
    m_journal.Remove();
}

bool ListSession::ConfirmExit(const std::function<void()>& storePlaces)
{
    if (UnsavedEdits() && m_list.TrackCount() > 0) {
        const auto answer = m_prompts.message(m_parent, sessionmessages::saveBeforeExitQuestion(),
                                              sessionmessages::exitCaption(), Prompts::Buttons::SaveDiscardCancel,
                                              Prompts::Answer::Cancel);
        if (answer == Prompts::Answer::Cancel || (answer == Prompts::Answer::Save && !SaveListCommand()))
            return false;
        if (answer == Prompts::Answer::Discard)
            Discard();
    } else if (m_prompts.message(m_parent, sessionmessages::exitQuestion(), sessionmessages::exitCaption(),
                                 Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) != Prompts::Answer::Ok) {
        return false;
    }
    storePlaces();
    KeepOrRemoveJournal();
    return true;
}

bool ListSession::openList(const QString& path, bool restoring, const std::function<bool()>& confirm)
{
    const QString name = QFileInfo(path).fileName();
    const auto bytes = readListFile(path);
    if (!bytes) {
        message(sessionmessages::unreadable(name), sessionmessages::readErrorCaption());
        return false;
    }
    listfile::Decoded decoded = listfile::Decode(*bytes, QFileInfo(path).absolutePath(),
                                                 restoring ? JournalMaxTracks : listfile::MaxTracks);
    if (decoded.refusal) {
        message(sessionmessages::refused(name, *decoded.refusal), sessionmessages::readErrorCaption());
        return false;
    }
    const QList<listfile::DroppedCode> dropped = listfile::CheckListCodes(decoded);
    if (!confirm())
        return false;

    m_loading = true;
    m_hooks.ApplyListChange(m_list.RemoveAllTracks());
    const QList<sessionmessages::TrackNote> notes = listTracks(decoded.tracks, restoring);
    m_list.SetDiscText(decoded.disc);
    m_loading = false;
    m_hooks.Opened();
    if (!notes.isEmpty())
        message(sessionmessages::openReport(notes), sessionmessages::openCaption());
    if (!dropped.isEmpty())
        message(sessionmessages::droppedCodes(name, dropped), sessionmessages::openCaption());
    // A list that came back whole from its file holds no unsaved edit; a
    // restored one, or one that lost edits, tracks or codes on the way, does.
    m_unsaved = restoring || !notes.isEmpty() || !dropped.isEmpty();
    if (!restoring)
        m_lastListPath = path;
    updateJournal();
    return true;
}

QList<sessionmessages::TrackNote> ListSession::listTracks(const QList<Track>& tracks, bool restoring)
{
    QList<sessionmessages::TrackNote> notes;
    const VersionMatch match = restoring ? VersionMatch::SameFile : VersionMatch::SameContents;
    // Stored tracks are drawn together: one redraw of the play bar for a
    // run of them, before a file is analysed and at the end.
    ListChange stored;
    const auto drawStored = [&] {
        m_hooks.ApplyListChange(stored);
        stored = {};
    };
    for (int place = 0; place < tracks.size(); ++place) {
        const Track& listed = tracks[place];
        const TrackVerdict verdict = CheckListedTrack(listed, match);
        const bool full = m_list.TrackCount() == PlayList::MaxTracks;
        if (ListHoldsFile(m_list, listed.path)) {
            notes.append({listed.path, verdict, false, true});
            continue;
        }
        if (verdict == TrackVerdict::Stored && !full) {
            listStored(listed, stored);
            continue;
        }
        bool shown = false;
        if ((verdict == TrackVerdict::Changed || verdict == TrackVerdict::Unsound) && !full) {
            drawStored();
            shown = m_hooks.Reanalyse(listed.path);
        }
        // What a restore could not list stays in the journal, to be offered
        // again at the next start.
        const bool kept = restoring && !shown;
        if (kept)
            m_held.append({place, listed});
        notes.append({listed.path, verdict, shown, false, kept});
    }
    drawStored();
    return notes;
}

void ListSession::listStored(const Track& listed, ListChange& change)
{
    // The slot takes the stored colour from the free slot that holds it, so
    // that slots 1..30 keep holding the thirty start-up colours.
    const int slot = std::min(m_list.TrackCount() + 1, int(PlayList::MaxTracks));
    for (int other = slot; other <= PlayList::MaxTracks; ++other) {
        if (m_list.TrackAt(other).record.color == listed.record.color) {
            std::swap(m_list.TrackAt(other).record.color, m_list.TrackAt(slot).record.color);
            break;
        }
    }
    TrackRecord record = listed.record;
    record.color = m_list.TrackAt(slot).record.color;
    m_list.AddTrack(listed.title, listed.path, record);
    // The version is the one stored with the record, which the file still
    // has; whether the record is the file's own is not known.
    m_list.TrackAt(slot).version = listed.version;
    m_list.TrackAt(slot).texts = listed.texts;
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
