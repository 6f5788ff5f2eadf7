// fPlayList: the main window and the program's start-up object. It owns the
// play list and the in-memory settings, shows the list in its grid, runs the
// commands of its menus and toolbar, handles the grid's mouse actions and
// file drops, and asks before the program ends.
//
// Commands are registered by menu item name; a toolbar button runs the
// command of its menu item. Commands that later windows bring (saving,
// playback, the fade editor, the settings dialog) attach through
// SetCommand.
#pragma once

#include "CueSheetWorkflow.h"
#include "DiscWriteCommand.h"
#include "DecodeDirectory.h"
#include "DialogDirectoryPrompt.h"
#include "DialogSaveFilePrompt.h"
#include "FadeInEditer.h"
#include "GridDrag.h"
#include "OpenWorkflow.h"
#include "SaveWorkflow.h"
#include "Settings.h"
#include "Vbmp3Library.h"
#include "WindowPlacement.h"
#include "dialog_outcome.h"
#include "loudness_command.h"
#include "loudness_meter.h"
#include "list_session.h"
#include "play_bar_view.h"
#include "play_list.h"
#include "wave_cache.h"
#include "player.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <functional>
#include <initializer_list>

class ListGrid;
class OuterHeight;
class PlayBarWindow;
class Prompts;
class QAction;
class QLabel;
class SettingsStore;

class PlayListWindow : public QMainWindow {
    Q_OBJECT
public:
    // Runs the start-up sequence (settings, initial state, grid, toolbar,
    // window place, the probe for the MP3 decoder library among
    // decoderFiles); the caller shows the window.
    PlayListWindow(Prompts& prompts, SettingsStore& store, QWidget* parent = nullptr,
                   const QStringList& decoderFiles = Vbmp3Library::DefaultFiles());
    ~PlayListWindow() override;

    PlayList& playList() { return m_list; }
    Settings& settings() { return m_settings; }
    ListGrid* grid() const { return m_grid; }
    FadeInEditer* editor() const { return m_editor.get(); }
    LoudnessMeter& loudness() { return m_loudness; }

    Player& player() { return m_player; }
    PlayBarWindow* playBar() const { return m_playBar; }

    // PlayerActive: 1 while playback runs, -1 when idle (the player's).
    int PlayerActive() const { return m_player.PlayerActive(); }
    void SetPlayerActive(int state) { m_player.SetPlayerActive(state); }

    // A menu item or toolbar button by its name or key.
    QAction* command(const QString& name) const { return m_actions.value(name); }
    void SetCommand(const QString& menuName, std::function<void()> handler);
    // Runs the command of a toolbar button; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& key);

    // True when MP3 files can be decoded: the decode-directory command shows.
    bool Mp3Available() const;

    void RefreshCommands();
    void ApplyListChange(const ListChange& change);
    void ShowTrackRow(int track);
    void ShowMuteRow(int track);
    void ShowTrackStatus();

    // Files given when the program starts (its command line, a desktop's
    // "open with"), as absolute paths: opened as a drop of them on the list
    // would be.
    void OpenGivenFiles(const QStringList& paths);
    // Absolute paths a later start of the program handed over ("open with"
    // while the program runs): the window comes to the front, and once no
    // dialog is open and no command is under way, playback stops and the
    // files are opened as given files are.
    void OpenHandedFiles(const QStringList& paths);

    // Asks whether to end the program, and with unsaved edits whether to save
    // the list first (Save ends only once the list is written; Discard
    // removes the journal); on agreement stores the window place and the
    // settings. True when the program is to end.
    bool ConfirmExit();

    // The program ends without asking (a termination signal, the end of the
    // desktop session): playback stops, the journal is written and stays,
    // the window places and settings are stored as the confirmed exit
    // stores them.
    void EndWithoutAsking();
    // Brings back the list of the journal the user chose to restore.
    void RestoreJournal() { m_session.Restore(); }
    ListSession& session() { return m_session; }

    // The window's place in twips.
    WindowPlacement placement() const;
    void applyPlacement(const WindowPlacement& placement);

signals:
    // The user agreed to end the program and the settings are stored. The
    // receiver ends the process at once: no further close requests are
    // asked, and no companion window may keep the program alive.
    void ProgramEnd();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    void registerCommands();
    void runCommand(const QString& menuName);
    // Menu items or toolbar buttons by name, all enabled or all disabled.
    void setCommandsEnabled(std::initializer_list<const char*> names, bool enabled);
    void openBatchFinished();
    void storePlacesAndSettings();
    void endProgram();

    void mnuFileOpen_Click();
    void mnuFileQuit_Click();
    void mnuEditLevel_Click();
    void mnuEditMute_Click();
    void mnuEditCdText_Click();
    // Every listed track not measured yet is queued for measuring.
    void measureLoudness();
    // A dialog's OK: the message that keeps it open, or the change applied.
    std::optional<EditMessage> applyOutcome(const DialogOutcome& outcome);
    void mnuWindowArrange_Click();
    void loadPlayBar();
    void mnuWindowPlayBar_Click();
    void mnuHelpVersion_Click();
    void mnuHelpOption_Click();
    void saveBatchFinished();
    void buildEditor();
    void unloadEditor();
    void mnuEditFade_Click(int scrollValue);
    void mnuWindowEdit_Click();
    // mnuFileCue and mnuFileWrite follow their own rule rather than the
    // command-state table; it is also checked whenever the File menu opens,
    // so that edits made outside this window are seen.
    void refreshCueCommand();
    ListSession::Hooks sessionHooks();

    void MSFlexGrid1_MouseDown();
    void MSFlexGrid1_MouseMove();
    void MSFlexGrid1_MouseUp(const QPoint& position);
    void MSFlexGrid1_DblClick();
    bool canDropFiles(const QStringList& paths) const;
    void dropFiles(const QStringList& paths);
    void openHandedFilesWhenIdle();

    Prompts& m_prompts;
    SettingsStore& m_store;
    WaveCache m_waveCache;
    Settings m_settings;
    PlayList m_list;
    OpenWorkflow m_open;
    DialogDirectoryPrompt m_directories;
    DecodeDirectory m_decodeDirectory;
    SaveWorkflow m_save;
    GridDrag m_drag;
    DialogSaveFilePrompt m_saveFiles;
    CueSheetWorkflow m_cue{m_list, m_prompts, m_saveFiles, this};
    DiscWriteCommand m_write{m_list, m_prompts, this};
    ListSession m_session{m_list, m_prompts, m_saveFiles, this, sessionHooks()};
    PlayBarView m_playBarView;
    Player m_player{m_list, m_playBarView, m_prompts};
    PlayBarWindow* m_playBar = nullptr;
    OuterHeight* m_outerHeight = nullptr;
    bool m_exiting = false;

    ListGrid* m_grid = nullptr;
    std::unique_ptr<FadeInEditer> m_editor;
    std::array<QLabel*, 4> m_panels{};
    LoudnessMeter m_loudness;
    LoudnessCommand m_loudnessCommand{m_list, m_loudness, m_prompts, this,
                                      [this](const ListChange& change) { ApplyListChange(change); }};
    QHash<QString, QAction*> m_actions;
    QHash<QString, QString> m_toolbarMenus;
    QHash<QString, std::function<void()>> m_commands;
    QStringList m_handedFiles;
    QTimer m_handedFilesTimer;
};
