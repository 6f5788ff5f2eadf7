// List files and the crash journal as the main window uses them: the
// commands that open and save a list, the question at start-up, and the one
// place every change of the list passes, which keeps the journal and knows
// whether the list holds edits that no file keeps.
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

    ListSession(PlayList& list, Prompts& prompts, SaveFilePrompt& saveFiles, QWidget* parent, Hooks hooks,
                const QString& journalPath = JournalWriter::DefaultPath());

    // Every change of the list (open, delete, move, level, mute, fade,
    // undo, save) passes here: the journal is written, or removed when the
    // list is empty, and the list holds unsaved edits.
    void ListChanged();
    // The tracks were saved: no unsaved edits remain. The journal stays
    // (it holds the list as saved), so that a crash still finds the list.
    // Saving a list file has the same effect.
    void EditsSaved();
    bool UnsavedEdits() const { return m_unsaved; }

    // mnuFileListOpen and mnuFileListSave. SaveListCommand is true when the
    // list was written (not when the user cancelled or writing failed).
    void OpenListCommand();
    bool SaveListCommand();

    // At start-up, before any window shows: a journal that holds tracks
    // brings the restore question (Yes the default). No removes the journal,
    // and so does a journal that holds no tracks or is no list file. True
    // when the user chose Yes.
    static bool AskRestore(Prompts& prompts, const QString& journalPath = JournalWriter::DefaultPath());
    // Opens the journal as a list file is opened; the restored list counts
    // as having unsaved edits.
    void Restore();

    // The program ends without asking (a signal, the end of the desktop
    // session): with unsaved edits the journal is written now and stays;
    // without, it goes.
    void Flush();
    // The program ends through the exit confirmation: the journal goes.
    void Discard();

private:
    // Reads, checks and lists the list file at path. False, with a message,
    // when the file is refused as a whole; the list is then unchanged.
    // confirm runs once the file is known to be a list, before the list is
    // replaced; false keeps everything.
    bool openList(const QString& path, bool restoring, const std::function<bool()>& confirm);
    // Lists one stored track with its record and the colour it had, adding
    // the rows to draw to change.
    void listStored(const ListedTrack& listed, ListChange& change);
    void updateJournal();
    void message(const QString& text, const QString& caption);

    PlayList& m_list;
    Prompts& m_prompts;
    SaveFilePrompt& m_saveFiles;
    QWidget* m_parent;
    Hooks m_hooks;
    JournalWriter m_journal;
    QString m_lastListPath;
    bool m_unsaved = false;
    bool m_loading = false;   // a list is being opened: its own changes are not edits
};
