// fPlayList: the main window. It owns the play list and the in-memory
// settings, shows the list in its grid, wires the rooms it holds (opening,
// saving, list files and the journal, playback, the fade editor, loudness)
// to its commands (MainCommands), handles the grid's mouse actions and file
// drops, and ends the program when asked.
#pragma once

#include "DdpOpenCommand.h"
#include "DecodeDirectory.h"
#include "DialogDirectoryPrompt.h"
#include "DialogSaveFilePrompt.h"
#include "DiscOutputCommands.h"
#include "FadeInEditer.h"
#include "GridDrag.h"
#include "MainCommands.h"
#include "OpenWorkflow.h"
#include "SaveWorkflow.h"
#include "SplitCommand.h"
#include "Settings.h"
#include "Vbmp3Library.h"
#include "dialog_outcome.h"
#include "list_session.h"
#include "loudness_command.h"
#include "loudness_meter.h"
#include "play_bar_view.h"
#include "play_list.h"
#include "player.h"
#include "wave_cache.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class ListGrid;
class OuterHeight;
class PlayBarWindow;
class Prompts;
class SettingsStore;
class StatusPanels;

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
    QAction* command(const QString& name) const { return m_commands.command(name); }
    // Runs the command of a toolbar button; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& key) { m_commands.Toolbar1_ButtonClick(key); }

    // True when MP3 files can be decoded: the decode-directory command shows.
    bool Mp3Available() const;

    void RefreshCommands();
    void ApplyListChange(const ListChange& change);
    void ShowTrackRow(int track);
    void ShowMuteRow(int track);
    void ShowTrackStatus();

    // Files given when the program starts (its command line, "open with"),
    // as absolute paths: each is opened whatever its name, as what it holds
    // decides, and one that holds no audio is refused with a message.
    void OpenGivenFiles(const QStringList& paths);
    // Files a later start of the program handed over, once the program is
    // idle: playback stops and they are opened as given files are.
    void OpenHandedFiles(const QStringList& paths);
    // A later start handed files over: the window comes to the front.
    void BringToFront();

    // The program ends without asking (a termination signal, the end of the
    // desktop session): playback stops, the journal is written and stays,
    // the window places and settings are stored as at a confirmed exit.
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
    void buildCommands();
    void buildGrid();
    void registerCommands();
    void openBatchFinished();
    bool confirmExit();
    void storePlacesAndSettings();
    void endProgram();

    void mnuFileOpen_Click();
    void mnuEditLevel_Click();
    void mnuEditMute_Click();
    void mnuEditCdText_Click();
    // Queues every listed track not measured yet.
    void measureLoudness();
    // A dialog's OK: the message that keeps it open, or the change applied.
    std::optional<EditMessage> applyOutcome(const DialogOutcome& outcome);
    void mnuWindowArrange_Click();
    void loadPlayBar();
    void saveBatchFinished();
    void buildEditor();
    FadeInEditer::Hooks editorHooks();
    void unloadEditor();
    void mnuEditFade_Click(int scrollValue);
    void mnuWindowEdit_Click();
    // The disc's output commands are also checked whenever the File menu
    // opens, so that edits made outside this window are seen.
    void refreshDiscCommands();
    ListSession::Hooks sessionHooks();
    DdpTake::ListHooks ddpTakeHooks();
    SplitCommand::ListHooks splitHooks();
    void MSFlexGrid1_MouseDown();
    void MSFlexGrid1_MouseMove();
    void MSFlexGrid1_MouseUp(const QPoint& position);
    void MSFlexGrid1_DblClick();
    bool canDropFiles(const QStringList& paths) const;
    void dropFiles(const QStringList& paths);

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
    DiscOutputCommands m_disc{m_list, m_prompts, m_saveFiles, this,
                              [this](const QString& folder) { m_ddpOpen.CheckImage(folder); }};
    ListSession m_session{m_list, m_prompts, m_saveFiles, this, sessionHooks()};
    DdpOpenCommand m_ddpOpen{m_list, m_prompts, m_directories, m_saveFiles, ddpTakeHooks(), this};
    PlayBarView m_playBarView;
    Player m_player{m_list, m_playBarView, m_prompts};
    SplitCommand m_split{m_list, m_prompts, m_directories, m_decodeDirectory, splitHooks(), this};
    PlayBarWindow* m_playBar = nullptr;
    OuterHeight* m_outerHeight = nullptr;
    bool m_exiting = false;

    MainCommands m_commands{*this, "MainMenus"};
    ListGrid* m_grid = nullptr;
    StatusPanels* m_panels = nullptr;
    std::unique_ptr<FadeInEditer> m_editor;
    LoudnessMeter m_loudness;
    LoudnessCommand m_loudnessCommand{m_list, m_loudness, m_prompts, this,
                                      [this](const ListChange& change) { ApplyListChange(change); }};
};
