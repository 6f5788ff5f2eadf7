#include "PlayListWindow.h"

#include "CdTextDialog.h"
#include "CompanionPlacement.h"
#include "ConvertRoute.h"
#include "FileDrop.h"
#include "Icons.h"
#include "LevelDialog.h"
#include "ListGrid.h"
#include "LoudnessWaitDialog.h"
#include "MainMenus.h"
#include "MuteDialog.h"
#include "OuterHeight.h"
#include "PictureBox.h"
#include "PlayBarWindow.h"
#include "ProgramTitle.h"
#include "SettingsDialog.h"
#include "SettingsStore.h"
#include "StatusPanels.h"
#include "StoredPlacements.h"
#include "Twips.h"
#include "VersionDialog.h"
#include "level_editing.h"
#include "list_texts.h"
#include "loudness_texts.h"
#include "mute_editing.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

using placements::Window;

namespace {

constexpr int WidthTwips = 7935;
constexpr int MinimumHeightTwips = 2000;

}  // namespace

PlayListWindow::PlayListWindow(Prompts& prompts, SettingsStore& store, QWidget* parent,
                               const QStringList& decoderFiles)
    : QMainWindow(parent)
    , m_prompts(prompts)
    , m_store(store)
    , m_settings(store.readSettings())
    , m_open(
          m_list, prompts, m_settings, m_decodeDirectory, decoderFiles,
          [this](const ListChange& change) { ApplyListChange(change); }, this)
    , m_decodeDirectory(prompts, m_directories)
    , m_save(
          m_list, prompts, m_directories, [this](const ListChange& change) { ApplyListChange(change); },
          [this] { unloadEditor(); }, [this] { saveBatchFinished(); }, this)
{
    setObjectName(QStringLiteral("fPlayList"));
    setWindowTitle(ProgramTitle());
    setWindowIcon(icons::programIcon());
    setFixedWidth(twips::toPixels(WidthTwips));
    setMinimumHeight(twips::toPixelsCovering(MinimumHeightTwips));

    m_outerHeight = new OuterHeight(this);
    buildCommands();
    buildGrid();
    m_panels = new StatusPanels(this);
    setStatusBar(m_panels);
    registerCommands();
    connect(&m_loudness, &LoudnessMeter::Measured, this, &PlayListWindow::ShowTrackStatus);
    connect(this, &PlayListWindow::ProgramEnd, this, [this] {
        m_loudnessCommand.Abandon();
        m_disc.Abandon();
    });
    m_open.EnableConversion(m_decodeDirectory);
    m_open.EnableSheets([this](const QString& sheet) { m_split.Open(sheet); });
    ShowMuteRow(0);

    applyPlacement(placements::read(m_store, Window::PlayList));
    loadPlayBar();
    buildEditor();
    ShowTrackStatus();
    // MP3 files are offered only when the decoder library loads.
    if (Vbmp3Library::Probe(decoderFiles)) {
        for (const char* name : {"mnuFileDirectory", "mnuFileLine2"})
            command(QString::fromLatin1(name))->setVisible(true);
    }
}

// The play bar goes first: its redraws reach the player.
PlayListWindow::~PlayListWindow()
{
    delete m_playBar;
}

// The menus and the toolbar; every button but "open" waits for a track.
void PlayListWindow::buildCommands()
{
    m_commands.addMenus(mainMenuEntries());
    connect(m_commands.menu(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this, &PlayListWindow::refreshDiscCommands);
    m_commands.addToolbar(mainToolbarEntries(), &icons::toolbarIcon);
    for (const ToolbarEntry& entry : mainToolbarEntries()) {
        if (QString::fromUtf8(entry.key) != u"open")
            command(QString::fromUtf8(entry.key))->setEnabled(false);
    }
}

void PlayListWindow::buildGrid()
{
    m_grid = new ListGrid(this);
    m_grid->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setCentralWidget(m_grid);
    const auto widths = ListTexts::ColumnWidthsTwips();
    m_grid->setUp(ListTexts::HeaderCells(), QList<int>(widths.begin(), widths.end()));
    m_grid->fitFont(QStringLiteral("0:00:00:00"), widths[1]);
    connect(m_grid, &ListGrid::MouseDown, this, &PlayListWindow::MSFlexGrid1_MouseDown);
    connect(m_grid, &ListGrid::MouseMove, this, &PlayListWindow::MSFlexGrid1_MouseMove);
    connect(m_grid, &ListGrid::MouseUp, this, &PlayListWindow::MSFlexGrid1_MouseUp);
    connect(m_grid, &ListGrid::DblClick, this, &PlayListWindow::MSFlexGrid1_DblClick);
    m_grid->canDrop = [this](const QStringList& paths) { return canDropFiles(paths); };
    m_grid->drop = [this](const QStringList& paths) { dropFiles(paths); };
}

// The play bar is loaded once, at its stored place, drawn and shown; closing
// it only hides it, so the player's timer keeps working.
void PlayListWindow::loadPlayBar()
{
    m_playBar = new PlayBarWindow(m_player, m_playBarView, m_list, this);
    placeCompanion(*m_playBar, placements::read(m_store, Window::PlayBar));
    m_player.SetRefreshCommands([this] { RefreshCommands(); });
    m_player.SetMessageParent(this);
    connect(m_playBar, &PlayBarWindow::Hidden, this, [this] { command("mnuWindowPlayBar")->setChecked(false); });
    m_playBar->picture()->setFont(QFont(QStringLiteral("ＭＳ  Ｐ明朝"), 8));
    m_playBar->RedrawPlayBar();
    m_playBar->show();
    command("mnuWindowPlayBar")->setChecked(true);
}

// The fade editor is made once, placed where it was left, and stays hidden
// until it is opened; its play and stop buttons wait for a track. It draws
// its play line from what the player announces.
void PlayListWindow::buildEditor()
{
    m_editor = std::make_unique<FadeInEditer>(m_list, m_settings, m_waveCache, m_prompts, editorHooks());
    m_editor->AttachPlayer(m_player);
    connect(&m_player, &Player::PlaybackStarted, m_editor.get(), &FadeInEditer::ErasePlayLine);
    connect(&m_player, &Player::PlaybackPosition, m_editor.get(), &FadeInEditer::ShowPlayPosition);
    connect(&m_player, &Player::PlaybackStopped, m_editor.get(), &FadeInEditer::PlaybackStopped);
    m_editor->applyPlacement(placements::read(m_store, Window::Editor));
    m_editor->command(QStringLiteral("play"))->setEnabled(false);
    m_editor->command(QStringLiteral("stop"))->setEnabled(false);
    QFont font = m_editor->picture()->font();
    font.setPointSize(8);
    m_editor->picture()->setFont(font);
}

FadeInEditer::Hooks PlayListWindow::editorHooks()
{
    FadeInEditer::Hooks hooks;
    hooks.RefreshCommands = [this] { RefreshCommands(); };
    hooks.ApplyListChange = [this](const ListChange& change) { ApplyListChange(change); };
    hooks.ShowTrackStatus = [this] { ShowTrackStatus(); };
    hooks.EditTrack = [this](int track) {
        m_grid->SetRow(ListTexts::TrackRowOf(track));
        RefreshCommands();
        m_commands.Run(QStringLiteral("mnuEditFadeIn"));
    };
    hooks.WindowEditChecked = [this] { return command(QStringLiteral("mnuWindowEdit"))->isChecked(); };
    hooks.SetWindowEditChecked = [this](bool checked) { command(QStringLiteral("mnuWindowEdit"))->setChecked(checked); };
    return hooks;
}

// Closing the editor only hides it and clears the check mark of its Window
// menu item; the track it showed is forgotten.
void PlayListWindow::unloadEditor()
{
    m_editor->close();
    m_list.SetEditorTrack(-1);
}

void PlayListWindow::registerCommands()
{
    const auto set = [this](const char* name, std::function<void()> handler) {
        m_commands.SetCommand(QString::fromLatin1(name), std::move(handler));
    };
    m_disc.registerWith(m_commands);
    const auto change = [this](std::function<ListChange()> command) {
        return [this, command] { ApplyListChange(command()); };
    };
    set("mnuFileOpen", [this] { mnuFileOpen_Click(); });
    set("mnuFileQuit", [this] {
        if (confirmExit())
            endProgram();
    });
    set("mnuEditBack", change([this] { return m_list.RestoreUndo(); }));
    set("mnuEditMute", [this] { mnuEditMute_Click(); });
    set("mnuEditLevel", [this] { mnuEditLevel_Click(); });
    set("mnuEditAutoMuteOne", change([this] { return MuteEditing::AutoMuteOne(m_list, m_settings.AutoMute); }));
    set("mnuEditAutoMuteAll", change([this] { return MuteEditing::AutoMuteAll(m_list, m_settings.AutoMute); }));
    set("mnuEditNomalizeOne", change([this] { return LevelEditing::NormalizeOne(m_list, m_settings.AutoLevel); }));
    set("mnuEditNomalizeAll", change([this] { return LevelEditing::NormalizeAll(m_list, m_settings.AutoLevel); }));
    set("mnuEditLoudnessAll", [this] {
        LoudnessWaitDialog wait(this);
        m_loudnessCommand.Run(wait);
    });
    set("mnuEditLevelComp", change([this] { return LevelEditing::CompressLevels(m_list); }));
    set("mnuEditDel", change([this] { return m_list.DeleteSelected(); }));
    set("mnuMoveTop", change([this] { return m_list.MoveSelectedToTop(); }));
    set("mnuMoveUp", change([this] { return m_list.MoveSelectedUp(); }));
    set("mnuMoveDown", change([this] { return m_list.MoveSelectedDown(); }));
    set("mnuMoveLast", change([this] { return m_list.MoveSelectedToEnd(); }));
    set("mnuWindowArrange", [this] { mnuWindowArrange_Click(); });
    set("mnuHelpVersion", [this] { VersionDialog(this).exec(); });
    set("mnuHelpOption", [this] { SettingsDialog(m_settings, this).exec(); });
    set("mnuFileSave", [this] { m_save.SaveCommand(); });
    set("mnuFileAnother", [this] { m_save.SaveAnotherCommand(); });
    set("mnuEditFadeIn", [this] { mnuEditFade_Click(0); });
    set("mnuEditFadeOut", [this] { mnuEditFade_Click(EditorView::ScrollRange); });
    set("mnuWindowEdit", [this] { mnuWindowEdit_Click(); });
    set("mnuPlayStart", [this] { m_player.StartPlayback(m_list.SelectedTrack(), 0); });
    set("mnuPlayStop", [this] { m_player.StopPlayback(); });
    set("mnuPlayPeak", [this] { m_player.PlayPeakPoints(); });
    // Qt flips the check mark before the command runs: the mark shows
    // whether the play bar is to be seen.
    set("mnuWindowPlayBar", [this] { m_playBar->setVisible(command("mnuWindowPlayBar")->isChecked()); });
    set("mnuFileDirectory", [this] { m_decodeDirectory.Choose(this); });
    set("mnuFileListOpen", [this] { m_session.OpenListCommand(); });
    set("mnuFileListSave", [this] { m_session.SaveListCommand(); });
    set("mnuFileDdpOpen", [this] { m_ddpOpen.OpenCommand(); });
    set("mnuFileSplit", [this] {
        m_split.SplitCommandClick(OpenWorkflow::OpenFilter(false) + u'|' + ConvertRoute::OpenFilter());
    });
    set("mnuEditCdText", [this] { mnuEditCdText_Click(); });
}

ListSession::Hooks PlayListWindow::sessionHooks()
{
    ListSession::Hooks hooks;
    hooks.ApplyListChange = [this](const ListChange& change) { ApplyListChange(change); };
    hooks.Reanalyse = [this](const QString& path) {
        const int before = m_list.TrackCount();
        m_open.OpenFiles({path});
        return m_list.TrackCount() > before;
    };
    hooks.Opened = [this] { openBatchFinished(); };
    return hooks;
}

// A DDP image's tracks replace the list as a list file's do.
DdpTake::ListHooks PlayListWindow::ddpTakeHooks()
{
    DdpTake::ListHooks hooks;
    hooks.UnsavedWork = [this] { return m_session.UnsavedEdits() && m_list.TrackCount() > 0; };
    hooks.ListFiles = [this](const QStringList& paths) {
        ApplyListChange(m_list.RemoveAllTracks());
        m_open.OpenFiles(paths);
    };
    hooks.ApplyListChange = [this](const ListChange& change) { ApplyListChange(change); };
    hooks.Listed = [this] { openBatchFinished(); };
    return hooks;
}

SplitCommand::ListHooks PlayListWindow::splitHooks()
{
    SplitCommand::ListHooks hooks;
    hooks.StopPlayer = [this] {
        if (PlayerActive() == 1)
            m_player.StopPlayback();
    };
    hooks.OpenFiles = [this](const QStringList& paths) { m_open.OpenFiles(paths); };
    hooks.ApplyListChange = [this](const ListChange& change) { ApplyListChange(change); };
    hooks.Listed = [this] { openBatchFinished(); };
    return hooks;
}

// After every save batch the list describes the saved files: nothing is left
// to undo or to save until the next edit.
void PlayListWindow::saveBatchFinished()
{
    measureLoudness();
    m_session.SaveBatchEnded();
    RefreshCommands();
    m_commands.setEnabled({"mnuFileSave", "mnuFileAnother"}, false);
}

void PlayListWindow::refreshDiscCommands()
{
    m_disc.refresh(m_commands, PlayerActive() == 1);
}

bool PlayListWindow::Mp3Available() const
{
    return command(QStringLiteral("mnuFileDirectory"))->isVisible();
}

void PlayListWindow::RefreshCommands()
{
    const CommandStates states = m_list.RefreshCommands(m_grid->Row(), PlayerActive() == 1);
    m_grid->SetRow(states.cursorRow);
    if (states.showSelection)
        m_grid->SelectCursorRow();
    m_grid->SetHighlight(states.showSelection);
    for (auto state = states.playList.constBegin(); state != states.playList.constEnd(); ++state) {
        QAction* action = command(state.key());
        if (action != nullptr && state.value() != CommandState::Kept)
            action->setEnabled(state.value() == CommandState::On);
    }
    for (auto state = states.fadeEditor.constBegin(); state != states.fadeEditor.constEnd(); ++state) {
        if (state.value() != CommandState::Kept)
            m_editor->command(state.key())->setEnabled(state.value() == CommandState::On);
    }
    if (states.disableFadeEditing)
        m_editor->ShowButton(false, false);
    m_playBar->ApplyCommandStates(states.playBar);
    refreshDiscCommands();
    ShowTrackStatus();
}

void PlayListWindow::ApplyListChange(const ListChange& change)
{
    if (change.editorTrackDeleted)
        m_editor->MoveList(-1, 0);
    for (const int entry : change.hiddenEditorMenuEntries)
        m_editor->HideTrackItem(entry);
    for (const int track : change.trackRows)
        ShowTrackRow(track);
    for (const int track : change.muteRows)
        ShowMuteRow(track);
    for (const int row : change.blankGridRows)
        m_grid->ClearRow(row);
    if (change.cursorRow)
        m_grid->SetRow(*change.cursorRow);
    if (change.selectionEndRow)
        m_grid->SetRowSel(*change.selectionEndRow);
    if (change.redrawPlayBar)
        m_playBar->RedrawPlayBar();
    if (change.redrawEditor)
        m_editor->RedrawWaveform();
    if (change.enableSaveCommands)
        m_commands.setEnabled({"mnuFileSave", "mnuFileAnother"}, true);
    if (change.refreshCommands)
        RefreshCommands();
    if (change.enableUndoCommand)
        m_commands.setEnabled({"mnuEditBack", "back"}, true);
    if (change.changed)
        m_session.ListChanged();
}

void PlayListWindow::ShowTrackRow(int track)
{
    m_grid->SetRowTexts(ListTexts::TrackRowOf(track), ListTexts::TrackRowCells(m_list, track));
    m_editor->ShowTrackItem(track, ListTexts::TrackMenuCaption(m_list, track), ListTexts::TrackMenuChecked(m_list, track));
}

void PlayListWindow::ShowMuteRow(int track)
{
    if (track >= 1)
        m_grid->SetRowTexts(ListTexts::MuteRowOf(track), ListTexts::MuteRowCells(m_list, track));
    if (track == m_list.TrackCount())
        m_grid->SetRowTexts(ListTexts::EndRow(m_list), ListTexts::EndRowCells(m_list));
}

void PlayListWindow::ShowTrackStatus()
{
    const auto panels = ListTexts::StatusPanels(m_list);
    const int s = m_list.SelectedTrack();
    m_panels->SetTexts({panels[0], panels[1], panels[2],
                        m_list.TrackCount() == 0
                            ? LoudnessTexts::StatusLabel()
                            : LoudnessTexts::StatusPanel(m_loudness.StatusOf(LoudnessMeter::SourceOf(m_list, s)),
                                                         m_list.TrackAt(s).record.levelPercent)});
}

bool PlayListWindow::confirmExit()
{
    return m_session.ConfirmExit([this] { storePlacesAndSettings(); });
}

void PlayListWindow::storePlacesAndSettings()
{
    placements::write(m_store, Window::PlayList, placement());
    placements::write(m_store, Window::PlayBar, companionPlacement(*m_playBar));
    placements::write(m_store, Window::Editor, m_editor->placement());
    m_store.writeSettings(m_settings);
    m_playBar->close();
    m_editor->close();
}

void PlayListWindow::EndWithoutAsking()
{
    if (m_exiting)
        return;
    if (PlayerActive() == 1)
        m_player.StopPlayback();
    m_session.KeepOrRemoveJournal();
    storePlacesAndSettings();
    endProgram();
}

WindowPlacement PlayListWindow::placement() const
{
    return {float(twips::fromPixels(pos().y())), float(twips::fromPixels(pos().x())),
            float(twips::fromPixels(m_outerHeight->get()))};
}

void PlayListWindow::applyPlacement(const WindowPlacement& placement)
{
    move(twips::toPixels(placement.left), twips::toPixels(placement.top));
    m_outerHeight->set(twips::toPixels(placement.extent));
}

void PlayListWindow::closeEvent(QCloseEvent* event)
{
    if (m_exiting || confirmExit())
        endProgram();
    else
        event->ignore();
}

void PlayListWindow::endProgram()
{
    m_exiting = true;
    emit ProgramEnd();
}

void PlayListWindow::openBatchFinished()
{
    m_list.InvalidateUndo();
    RefreshCommands();
    measureLoudness();
}

void PlayListWindow::measureLoudness()
{
    m_loudness.Measure(LoudnessMeter::SourcesOf(m_list));
}

void PlayListWindow::mnuFileOpen_Click()
{
    if (m_open.OpenCommand(Mp3Available()))
        openBatchFinished();
}

void PlayListWindow::mnuEditLevel_Click()
{
    const int s = m_list.SelectedTrack();
    LevelDialog dialog(
        LevelEditing::LevelPrompt(m_list, s), LevelEditing::LevelText(m_list, s),
        [this, s](const QString& text) { return applyOutcome(LevelEditing::ApplyLevel(m_list, s, text)); },
        m_prompts, this);
    dialog.exec();
    m_player.PushLevelChange();
    RefreshCommands();
}

std::optional<EditMessage> PlayListWindow::applyOutcome(const DialogOutcome& outcome)
{
    if (outcome.message)
        return outcome.message;
    ApplyListChange(outcome.change);
    return std::nullopt;
}

void PlayListWindow::mnuEditMute_Click()
{
    const int s = m_list.SelectedTrack();
    MuteDialog dialog(
        MuteEditing::MutePrompt(m_list, s), MuteEditing::SplitMute(m_list.TrackAt(s).record.muteAdjustBytes),
        [this, s](bool negative, const QString& minutes, const QString& seconds,
                  const QString& frames) {
            return applyOutcome(MuteEditing::ApplyMute(m_list, s, negative, minutes, seconds, frames));
        },
        m_prompts, this);
    dialog.exec();
    RefreshCommands();
    if (s == m_list.EditorTrack())
        m_editor->RedrawWaveform();
}

void PlayListWindow::mnuEditCdText_Click()
{
    const QStringList fileTitles = FileTitles(m_list);
    CdTextDialog dialog(ResolveCdTexts(m_list, fileTitles, QString()), UnnamedDiscTitle(), m_prompts, this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyListChange(StoreCdTexts(m_list, dialog.texts(), fileTitles));
}

void PlayListWindow::mnuWindowArrange_Click()
{
    const float left = placement().left;
    applyPlacement(placements::arranged(Window::PlayList, left));
    placeCompanion(*m_playBar, placements::arranged(Window::PlayBar, left));
    m_editor->applyPlacement(placements::arranged(Window::Editor, left));
}

// The editor opens on the selected track, at its start (scroll value 0) or
// at its end.
void PlayListWindow::mnuEditFade_Click(int scrollValue)
{
    command(QStringLiteral("mnuWindowEdit"))->setChecked(true);
    m_editor->SetScrollValue(scrollValue);
    m_editor->IniLoad();
}

// The menu item has already flipped its check mark when this runs: the mark
// it had before the click decides.
void PlayListWindow::mnuWindowEdit_Click()
{
    QAction* item = command(QStringLiteral("mnuWindowEdit"));
    const bool wasChecked = !item->isChecked();
    if (wasChecked) {
        item->setChecked(false);
        m_editor->hide();
    } else {
        item->setChecked(true);
        m_editor->OpenWin();
    }
}

void PlayListWindow::MSFlexGrid1_MouseDown()
{
    RefreshCommands();
    m_drag.ButtonDown();
}

void PlayListWindow::MSFlexGrid1_MouseMove()
{
    switch (m_drag.Move(PlayerActive() == 1, m_list.OnTrackRow(), m_list.TrackCount())) {
    case GridDrag::MoveOutcome::None:
        return;
    case GridDrag::MoveOutcome::BeginDrag:
        m_grid->viewport()->setCursor(Qt::DragMoveCursor);
        break;
    case GridDrag::MoveOutcome::NoDrag:
        break;
    }
    m_grid->SetHighlight(false);
}

void PlayListWindow::MSFlexGrid1_MouseUp(const QPoint& position)
{
    if (m_drag.ButtonUp(m_grid->containsStrictly(position), m_grid->RowSel(), m_grid->Row()))
        ApplyListChange(m_list.MoveTrackTo(m_grid->RowSel()));
    m_grid->viewport()->unsetCursor();
    RefreshCommands();
}

void PlayListWindow::MSFlexGrid1_DblClick()
{
    if (m_list.TrackCount() == 0)
        return;
    if (m_list.OnTrackRow() == 1)
        mnuEditLevel_Click();
    else if (PlayerActive() != 1)
        mnuEditMute_Click();
}

bool PlayListWindow::canDropFiles(const QStringList& paths) const
{
    return filedrop::dragAcceptable(paths, Mp3Available(), PlayerActive() == 1);
}

void PlayListWindow::OpenGivenFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    m_open.OpenFiles(paths);
    openBatchFinished();
}

void PlayListWindow::BringToFront()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void PlayListWindow::OpenHandedFiles(const QStringList& paths)
{
    if (PlayerActive() == 1)
        m_player.StopPlayback();
    OpenGivenFiles(paths);
}

void PlayListWindow::dropFiles(const QStringList& paths)
{
    m_open.OpenFiles(filedrop::acceptedFiles(paths, Mp3Available()));
    openBatchFinished();
}
