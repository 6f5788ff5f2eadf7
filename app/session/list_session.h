// List files and the crash journal as the main window uses them: the
// commands that open and save a list, the question at start-up, and the one
// place every change of the list passes, which keeps the journal and knows
// whether the list holds work that no file keeps.
//
// The journal is never narrowed because files are missing: a track of the
// journal that cannot be listed at a restore keeps its record, at its place
// in the order, beside the list, and every journal written holds it again,
// until the user discards it.
//
// Everything here runs on the user-interface thread; the journal's writes
// run on its own worker (JournalWriter).
#pragma once

#include "journal_writer.h"
#include "list_change.h"
#include "list_file.h"

#include <QString>

#include <functional>

class PlayList;
class Prompts;
namespace sessionmessages {
struct TrackNote;
}
class QWidget;
class SaveFilePrompt;

class ListSession {
public:
    struct Hooks {
        // Redraws what a change of the list names (the main window's).
        std::function<void(const ListChange&)> ApplyListChange;
        // Opens one WAV file afresh through the open workflow's WAV route
        // (analysed, messages of its own on failure); true when it was listed.
        std::function<bool(const QString& path)> Reanalyse;
        // A list was opened: the undo copy no longer applies, the command
        // states are refreshed.
        std::function<void()> Opened;
    };

    // A journal holds the list and the tracks kept beside it: up to twice
    // the list's tracks.
    static constexpr int JournalMaxTracks = 2 * listfile::MaxTracks;

    ListSession(PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent, Hooks hooks,
                const QString& journalPath = JournalWriter::DefaultPath());
    // The program ends however it ends: the journal is left as
    // KeepOrRemoveJournal leaves it, every write included.
    ~ListSession();

    // Every change of the list (open, delete, move, level, mute, fade,
    // undo, save) passes here: the journal is written, or removed when it
    // would hold no track, and the list holds unsaved work.
    void ListChanged();
    // A save batch ended, all saved, cancelled or stopped by a failure: the
    // list holds unsaved work while any track's edits are not in its file.
    // The journal stays (it holds the list as saved), so that a crash still
    // finds the list.
    void SaveBatchEnded();
    // Whether the list holds work that no file keeps: tracks opened, edits
    // not saved into their files, an order no list file holds, or tracks
    // kept from a restore. Saving the list or saving every track keeps it.
    bool UnsavedEdits() const { return m_unsaved || !m_held.isEmpty(); }

    // mnuFileListOpen and mnuFileListSave. SaveListCommand is true when the
    // list was written (not when the user cancelled or writing failed).
    void OpenListCommand();
    bool SaveListCommand();

    // At start-up, before any window shows: a journal that holds tracks
    // brings the restore question, naming the journal's time (Yes the
    // default). No removes the journal, and so does a journal that holds no
    // tracks. A journal that cannot be read, is damaged or comes from a newer
    // version is moved aside under a dated name and named in a message.
    // True when the user chose Yes.
    static bool AskRestore(Prompts& prompts, const QString& journalPath = JournalWriter::DefaultPath());
    // Opens the journal as a list file is opened; the list counts as holding
    // unsaved work from the start. Tracks that cannot be listed are kept
    // beside the list and named in the report.
    void Restore();

    // The program ends without asking (a signal, the end of the desktop
    // session): with unsaved work the journal is written now, waiting writes
    // included, and stays; without, it goes. Changes made after this are
    // journalled too (the destructor settles them).
    void KeepOrRemoveJournal();
    // The user discards every unsaved edit (the exit's Discard): the tracks
    // kept beside the list are dropped and the journal goes.
    void Discard();

    // The exit question. With work in the list that no file keeps it offers
    // to save the list first (Save ends only once the list is written;
    // Discard drops the unsaved work); otherwise it only asks whether to
    // end. On agreement storePlaces runs (the windows' places and the
    // settings), then the journal is kept or removed. Only Discard drops the
    // journal unasked: tracks a restore could not list stay in it after a
    // save or an exit with an empty list, so that the next start offers them
    // again. True when the program is to end.
    bool ConfirmExit(const std::function<void()>& storePlaces);

private:
    struct HeldTrack {
        int place;     // its index in the journal it came from
        Track track;
    };

    // Reads, checks and lists the list file at path. False, with a message,
    // when the file is refused as a whole; the list is then unchanged.
    // confirm runs once the file is known to be a list, before the list is
    // replaced; false keeps everything. A restore keeps every track it could
    // not list.
    bool openList(const QString& path, bool restoring, const std::function<bool()>& confirm);
    // Lists the file's tracks in order (the list is empty before); notes
    // what was not listed as stored. A restore keeps what it could not list.
    QList<sessionmessages::TrackNote> listTracks(const QList<Track>& tracks, bool restoring);
    // Lists one stored track with its record and the colour it had, adding
    // the rows to draw to change.
    void listStored(const Track& listed, ListChange& change);
    // The list's tracks with the kept ones at their places: what the journal holds.
    QList<Track> journalTracks() const;
    void updateJournal();
    void message(const QString& text, const QString& caption);

    PlayList& m_list;
    Prompts& m_prompts;
    SaveFilePrompt& m_saveFiles;
    QWidget* m_parent;
    Hooks m_hooks;
    JournalWriter m_journal;
    QString m_lastListPath;
    QList<HeldTrack> m_held;  // in the order of their places
    bool m_unsaved = false;
    bool m_loading = false;   // a list is being opened: its own changes are not edits
};
