#include "PlayListWindow.h"

#include "CompanionPlacement.h"
#include "CueSheet.h"
#include "FileDrop.h"
#include "Icons.h"
#include "CdTextDialog.h"
#include "LevelDialog.h"
#include "LoudnessWaitDialog.h"
#include "ListGrid.h"
#include "MainMenus.h"
#include "MuteDialog.h"
#include "OuterHeight.h"
#include "PictureBox.h"
#include "PlayBarWindow.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "SettingsDialog.h"
#include "SettingsStore.h"
#include "Twips.h"
#include "VersionDialog.h"
#include "level_editing.h"
#include "list_texts.h"
#include "loudness_texts.h"
#include "mute_editing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace {

constexpr int WidthTwips = 7935;
constexpr int MinimumHeightTwips = 2000;
constexpr int StatusBarTwips = 300;
constexpr int HandedFilesRetryMs = 100;
const WindowPlacement DefaultPlacement{0, 0, 4935};
const QString Section = QStringLiteral("fPlayList");
const QString ExtentKey = QStringLiteral("Height");
const QString EditorSection = QStringLiteral("fFadeInEditer");
const QString WidthKey = QStringLiteral("Width");
const WindowPlacement PlayBarDefaultPlacement{4935, 0, 7935};
const QString PlayBarSection = QStringLiteral("fPlayBar");
const QString PlayBarExtentKey = QStringLiteral("Width");

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
    buildMenus();
    connect(menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile")), &QMenu::aboutToShow, this,
            &PlayListWindow::refreshCueCommand);
    buildToolbar();
    m_grid = new ListGrid(this);
    m_grid->setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setCentralWidget(m_grid);
    buildStatusBar();
    registerCommands();
    connect(&m_loudness, &LoudnessMeter::Measured, this, &PlayListWindow::ShowTrackStatus);
    connect(this, &PlayListWindow::ProgramEnd, this, [this] {
        m_loudnessCommand.Abandon();
        m_write.Abandon();
    });
    m_handedFilesTimer.setInterval(HandedFilesRetryMs);
    connect(&m_handedFilesTimer, &QTimer::timeout, this, &PlayListWindow::openHandedFilesWhenIdle);
    m_open.EnableConversion(m_decodeDirectory);

    const auto widths = ListTexts::ColumnWidthsTwips();
    m_grid->setUp(ListTexts::HeaderCells(), QList<int>(widths.begin(), widths.end()));
    m_grid->fitFont(QStringLiteral("0:00:00:00"), widths[1]);
    connect(m_grid, &ListGrid::MouseDown, this, &PlayListWindow::MSFlexGrid1_MouseDown);
    connect(m_grid, &ListGrid::MouseMove, this, &PlayListWindow::MSFlexGrid1_MouseMove);
    connect(m_grid, &ListGrid::MouseUp, this, &PlayListWindow::MSFlexGrid1_MouseUp);
    connect(m_grid, &ListGrid::DblClick, this, &PlayListWindow::MSFlexGrid1_DblClick);
    m_grid->canDrop = [this](const QStringList& paths) { return canDropFiles(paths); };
    m_grid->drop = [this](const QStringList& paths) { dropFiles(paths); };
    ShowMuteRow(0);

    // Every button but "open" waits for a track.
    for (const ToolbarEntry& entry : mainToolbarEntries()) {
        if (QString::fromUtf8(entry.key) != u"open")
            m_actions.value(QString::fromUtf8(entry.key))->setEnabled(false);
    }

    applyPlacement(m_store.readPlacement(Section, ExtentKey, DefaultPlacement).checked(DefaultPlacement));
    loadPlayBar();
    buildEditor();
    ShowTrackStatus();
    // MP3 files are offered only when the decoder library loads.
    if (Vbmp3Library::Probe(decoderFiles)) {
        for (const char* name : {"mnuFileDirectory", "mnuFileLine2"})
            m_actions.value(QString::fromLatin1(name))->setVisible(true);
    }
}

// The play bar goes first: its redraws reach the player.
PlayListWindow::~PlayListWindow()
{
    delete m_playBar;
    m_player.AttachEditor(nullptr);
}

// The play bar is loaded once, at its stored place, drawn and shown; closing
// it only hides it, so the player's timer keeps working.
void PlayListWindow::loadPlayBar()
{
    m_playBar = new PlayBarWindow(m_player, m_playBarView, m_list, this);
    placeCompanion(*m_playBar, m_store.readPlacement(PlayBarSection, PlayBarExtentKey, PlayBarDefaultPlacement)
                                   .checked(PlayBarDefaultPlacement));
    m_player.SetRefreshCommands([this] { RefreshCommands(); });
    m_player.SetMessageParent(this);
    connect(m_playBar, &PlayBarWindow::Hidden, this, [this] { command("mnuWindowPlayBar")->setChecked(false); });
    m_playBar->picture()->setFont(QFont(QStringLiteral("ＭＳ  Ｐ明朝"), 8));
    m_playBar->RedrawPlayBar();
    m_playBar->show();
    command("mnuWindowPlayBar")->setChecked(true);
}

// Qt flips the check mark before the command runs: a mark that was set is
// already removed (hide the play bar), one that was not is already set (show
// it).
void PlayListWindow::mnuWindowPlayBar_Click()
{
    m_playBar->setVisible(command("mnuWindowPlayBar")->isChecked());
}

// The fade editor is made once, placed where it was left, and stays hidden
// until it is opened; its play and stop buttons wait for a track.
void PlayListWindow::buildEditor()
{
    FadeInEditer::Hooks hooks;
    hooks.RefreshCommands = [this] { RefreshCommands(); };
    hooks.ApplyListChange = [this](const ListChange& change) { ApplyListChange(change); };
    hooks.ShowTrackStatus = [this] { ShowTrackStatus(); };
    hooks.EditTrack = [this](int track) {
        m_grid->SetRow(ListTexts::TrackRowOf(track));
        RefreshCommands();
        runCommand(QStringLiteral("mnuEditFadeIn"));
    };
    hooks.WindowEditChecked = [this] { return m_actions.value(QStringLiteral("mnuWindowEdit"))->isChecked(); };
    hooks.SetWindowEditChecked = [this](bool checked) {
        m_actions.value(QStringLiteral("mnuWindowEdit"))->setChecked(checked);
    };
    m_editor = std::make_unique<FadeInEditer>(m_list, m_settings, m_waveCache, m_prompts, std::move(hooks));
    m_editor->AttachPlayer(m_player);
    m_player.AttachEditor(m_editor.get());
    const WindowPlacement defaults{FadeInEditer::DefaultTop, 0, FadeInEditer::DefaultWidth};
    m_editor->applyPlacement(m_store.readPlacement(EditorSection, WidthKey, defaults).checked(defaults));
    m_editor->command(QStringLiteral("play"))->setEnabled(false);
    m_editor->command(QStringLiteral("stop"))->setEnabled(false);
    QFont font = m_editor->picture()->font();
    font.setPointSize(8);
    m_editor->picture()->setFont(font);
}

// Closing the editor only hides it and clears the check mark of its Window
// menu item; the track it showed is forgotten.
void PlayListWindow::unloadEditor()
{
    m_editor->close();
    m_list.SetEditorTrack(-1);
}

void PlayListWindow::buildMenus()
{
    QMenu* menu = nullptr;
    for (const MenuEntry& entry : mainMenuEntries()) {
        const QString name = QString::fromUtf8(entry.name);
        QAction* action = nullptr;
        switch (entry.kind) {
        case MenuEntry::Menu:
            menu = menuBar()->addMenu(QCoreApplication::translate("MainMenus", entry.caption));
            menu->setObjectName(name);
            action = menu->menuAction();
            break;
        case MenuEntry::Separator:
            action = menu->addSeparator();
            break;
        case MenuEntry::Command:
            action = menu->addAction(QCoreApplication::translate("MainMenus", entry.caption));
            connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
            break;
        }
        action->setObjectName(name);
        action->setEnabled(entry.enabled);
        action->setVisible(entry.visible);
        action->setCheckable(entry.checkable);
        if (*entry.shortcut != '\0')
            action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
        m_actions.insert(name, action);
    }
}

void PlayListWindow::buildToolbar()
{
    auto* toolbar = addToolBar(QStringLiteral("Toolbar1"));
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->setIconSize(QSize(16, 16));
    for (const ToolbarEntry& entry : mainToolbarEntries()) {
        const QString key = QString::fromUtf8(entry.key);
        QAction* button = toolbar->addAction(icons::toolbarIcon(key), QCoreApplication::translate("MainMenus", entry.toolTip));
        button->setObjectName(key);
        button->setToolTip(QCoreApplication::translate("MainMenus", entry.toolTip));
        toolbar->widgetForAction(button)->setObjectName(key);
        connect(button, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        m_actions.insert(key, button);
        m_toolbarMenus.insert(key, QString::fromUtf8(entry.menuName));
    }
}

void PlayListWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(twips::toPixels(StatusBarTwips));
    bar->setSizeGripEnabled(false);
    // Four panels share the fixed width: each is as wide as its widest text
    // in the grid's face at 7.5 points, and a new text never moves them.
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPointSizeF(7.5);
    bar->setFont(font);
    const std::array<QString, 4> widest = {QStringLiteral("FadeInLength =  0:00:00:00"),
                                           QStringLiteral("FadeOutLength =  0:00:00:00"),
                                           QStringLiteral("PeakLevel =  32767"), LoudnessTexts::WidestStatusPanel()};
    for (int i = 0; i < int(m_panels.size()); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panel->setIndent(2);
        panel->setMinimumWidth(panel->fontMetrics().horizontalAdvance(widest[i]) + 2 * (panel->frameWidth() + 2));
        bar->addPermanentWidget(panel, 1);
        m_panels[i] = panel;
    }
}

void PlayListWindow::registerCommands()
{
    const auto change = [this](std::function<ListChange()> command) {
        return [this, command] { ApplyListChange(command()); };
    };
    SetCommand(QStringLiteral("mnuFileOpen"), [this] { mnuFileOpen_Click(); });
    SetCommand(QStringLiteral("mnuFileQuit"), [this] { mnuFileQuit_Click(); });
    SetCommand(QStringLiteral("mnuEditBack"), change([this] { return m_list.RestoreUndo(); }));
    SetCommand(QStringLiteral("mnuEditMute"), [this] { mnuEditMute_Click(); });
    SetCommand(QStringLiteral("mnuEditLevel"), [this] { mnuEditLevel_Click(); });
    SetCommand(QStringLiteral("mnuEditAutoMuteOne"),
               change([this] { return MuteEditing::AutoMuteOne(m_list, m_settings.AutoMute); }));
    SetCommand(QStringLiteral("mnuEditAutoMuteAll"),
               change([this] { return MuteEditing::AutoMuteAll(m_list, m_settings.AutoMute); }));
    SetCommand(QStringLiteral("mnuEditNomalizeOne"),
               change([this] { return LevelEditing::NormalizeOne(m_list, m_settings.AutoLevel); }));
    SetCommand(QStringLiteral("mnuEditNomalizeAll"),
               change([this] { return LevelEditing::NormalizeAll(m_list, m_settings.AutoLevel); }));
    SetCommand(QStringLiteral("mnuEditLoudnessAll"), [this] {
        LoudnessWaitDialog wait(this);
        m_loudnessCommand.Run(wait);
    });
    SetCommand(QStringLiteral("mnuEditLevelComp"), change([this] { return LevelEditing::CompressLevels(m_list); }));
    SetCommand(QStringLiteral("mnuEditDel"), change([this] { return m_list.DeleteSelected(); }));
    SetCommand(QStringLiteral("mnuMoveTop"), change([this] { return m_list.MoveSelectedToTop(); }));
    SetCommand(QStringLiteral("mnuMoveUp"), change([this] { return m_list.MoveSelectedUp(); }));
    SetCommand(QStringLiteral("mnuMoveDown"), change([this] { return m_list.MoveSelectedDown(); }));
    SetCommand(QStringLiteral("mnuMoveLast"), change([this] { return m_list.MoveSelectedToEnd(); }));
    SetCommand(QStringLiteral("mnuWindowArrange"), [this] { mnuWindowArrange_Click(); });
    SetCommand(QStringLiteral("mnuHelpVersion"), [this] { mnuHelpVersion_Click(); });
    SetCommand(QStringLiteral("mnuHelpOption"), [this] { mnuHelpOption_Click(); });
    SetCommand(QStringLiteral("mnuFileSave"), [this] { m_save.SaveCommand(); });
    SetCommand(QStringLiteral("mnuFileAnother"), [this] { m_save.SaveAnotherCommand(); });
    SetCommand(QStringLiteral("mnuEditFadeIn"), [this] { mnuEditFade_Click(0); });
    SetCommand(QStringLiteral("mnuEditFadeOut"), [this] { mnuEditFade_Click(EditorView::ScrollRange); });
    SetCommand(QStringLiteral("mnuWindowEdit"), [this] { mnuWindowEdit_Click(); });
    SetCommand(QStringLiteral("mnuPlayStart"), [this] { m_player.StartPlayback(m_list.SelectedTrack(), 0); });
    SetCommand(QStringLiteral("mnuPlayStop"), [this] { m_player.StopPlayback(); });
    SetCommand(QStringLiteral("mnuPlayPeak"), [this] { m_player.PlayPeakPoints(); });
    SetCommand(QStringLiteral("mnuWindowPlayBar"), [this] { mnuWindowPlayBar_Click(); });
    SetCommand(QStringLiteral("mnuFileDirectory"), [this] { m_decodeDirectory.Choose(this); });
    SetCommand(QStringLiteral("mnuFileCue"), [this] { m_cue.WriteCommand(); });
    SetCommand(QStringLiteral("mnuFileWrite"), [this] { m_write.WriteCommand(); });
    SetCommand(QStringLiteral("mnuFileListOpen"), [this] { m_session.OpenListCommand(); });
    SetCommand(QStringLiteral("mnuFileListSave"), [this] { m_session.SaveListCommand(); });
    SetCommand(QStringLiteral("mnuEditCdText"), [this] { mnuEditCdText_Click(); });
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

// After every save batch the list describes the saved files: nothing is left
// to undo or to save until the next edit.
void PlayListWindow::saveBatchFinished()
{
    measureLoudness();
    m_session.SaveBatchEnded();
    RefreshCommands();
    setCommandsEnabled({"mnuFileSave", "mnuFileAnother"}, false);
}

void PlayListWindow::refreshCueCommand()
{
    for (const char* name : {"mnuFileCue", "mnuFileWrite"})
        m_actions.value(QString::fromLatin1(name))->setEnabled(CueSheetAvailable(m_list, PlayerActive() == 1));
}

void PlayListWindow::mnuHelpOption_Click()
{
    SettingsDialog dialog(m_settings, this);
    dialog.exec();
}

void PlayListWindow::SetCommand(const QString& menuName, std::function<void()> handler)
{
    m_commands.insert(menuName, std::move(handler));
}

void PlayListWindow::runCommand(const QString& menuName)
{
    const auto handler = m_commands.value(menuName);
    if (handler)
        handler();
}

void PlayListWindow::Toolbar1_ButtonClick(const QString& key)
{
    const auto menuName = m_toolbarMenus.constFind(key);
    if (menuName != m_toolbarMenus.constEnd())
        runCommand(*menuName);
}

bool PlayListWindow::Mp3Available() const
{
    return m_actions.value(QStringLiteral("mnuFileDirectory"))->isVisible();
}

void PlayListWindow::RefreshCommands()
{
    const CommandStates states = m_list.RefreshCommands(m_grid->Row(), PlayerActive() == 1);
    m_grid->SetRow(states.cursorRow);
    if (states.showSelection)
        m_grid->SelectCursorRow();
    m_grid->SetHighlight(states.showSelection);
    for (auto state = states.playList.constBegin(); state != states.playList.constEnd(); ++state) {
        QAction* action = m_actions.value(state.key());
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
    refreshCueCommand();
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
        setCommandsEnabled({"mnuFileSave", "mnuFileAnother"}, true);
    if (change.refreshCommands)
        RefreshCommands();
    if (change.enableUndoCommand)
        setCommandsEnabled({"mnuEditBack", "back"}, true);
    if (change.changed)
        m_session.ListChanged();
}

void PlayListWindow::setCommandsEnabled(std::initializer_list<const char*> names, bool enabled)
{
    for (const char* name : names)
        m_actions.value(QString::fromLatin1(name))->setEnabled(enabled);
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
    for (int i = 0; i < 3; ++i)
        m_panels[i]->setText(panels[i]);
    const int s = m_list.SelectedTrack();
    m_panels[3]->setText(m_list.TrackCount() == 0
                             ? LoudnessTexts::StatusLabel()
                             : LoudnessTexts::StatusPanel(m_loudness.StatusOf(LoudnessMeter::SourceOf(m_list, s)),
                                                          m_list.TrackAt(s).record.levelPercent));
}

// With work in the list that no file keeps, the question offers to save the
// list first; otherwise it only asks whether to end. Only Discard drops the
// journal unasked: tracks a restore could not list stay in it after a save
// or an exit with an empty list, so that the next start offers them again.
bool PlayListWindow::ConfirmExit()
{
    if (m_session.UnsavedEdits() && m_list.TrackCount() > 0) {
        const auto answer = m_prompts.message(
            this, tr("編集内容が保存されていません。") + QStringLiteral("\r\n") + tr("終了する前にﾘｽﾄを保存しますか？"),
            tr("終了"), Prompts::Buttons::SaveDiscardCancel, Prompts::Answer::Cancel);
        if (answer == Prompts::Answer::Cancel || (answer == Prompts::Answer::Save && !m_session.SaveListCommand()))
            return false;
        if (answer == Prompts::Answer::Discard)
            m_session.Discard();
    } else if (m_prompts.message(this, ProgramTitle() + tr("を終了します。よろしいですか？"), tr("終了"),
                                 Prompts::Buttons::OkCancel, Prompts::Answer::Cancel) != Prompts::Answer::Ok) {
        return false;
    }
    storePlacesAndSettings();
    m_session.KeepOrRemoveJournal();
    return true;
}

void PlayListWindow::storePlacesAndSettings()
{
    m_store.writePlacement(Section, ExtentKey, placement());
    m_store.writePlacement(PlayBarSection, PlayBarExtentKey, companionPlacement(*m_playBar));
    m_store.writePlacement(EditorSection, WidthKey, m_editor->placement());
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
    if (m_exiting || ConfirmExit())
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

void PlayListWindow::mnuFileQuit_Click()
{
    if (ConfirmExit())
        endProgram();
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
    applyPlacement({DefaultPlacement.top, placement().left, DefaultPlacement.extent});
    placeCompanion(*m_playBar, {PlayBarDefaultPlacement.top, placement().left, PlayBarDefaultPlacement.extent});
    m_editor->applyPlacement({FadeInEditer::DefaultTop, placement().left, FadeInEditer::DefaultWidth});
}

// The editor opens on the selected track, at its start (scroll value 0) or
// at its end.
void PlayListWindow::mnuEditFade_Click(int scrollValue)
{
    m_actions.value(QStringLiteral("mnuWindowEdit"))->setChecked(true);
    m_editor->SetScrollValue(scrollValue);
    m_editor->IniLoad();
}

// The menu item has already flipped its check mark when this runs: the mark
// it had before the click decides.
void PlayListWindow::mnuWindowEdit_Click()
{
    QAction* item = m_actions.value(QStringLiteral("mnuWindowEdit"));
    const bool wasChecked = !item->isChecked();
    if (wasChecked) {
        item->setChecked(false);
        m_editor->hide();
    } else {
        item->setChecked(true);
        m_editor->OpenWin();
    }
}

void PlayListWindow::mnuHelpVersion_Click()
{
    VersionDialog dialog(this);
    dialog.exec();
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
    if (!paths.isEmpty())
        dropFiles(paths);
}

void PlayListWindow::OpenHandedFiles(const QStringList& paths)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    m_handedFiles += paths;
    m_handedFilesTimer.start();
}

// Files are opened only where a user could drop them: no dialog open and no
// command under way (only the program's own event loop runs).
void PlayListWindow::openHandedFilesWhenIdle()
{
    if (QApplication::activeModalWidget() != nullptr || QThread::currentThread()->loopLevel() > 1)
        return;
    m_handedFilesTimer.stop();
    if (PlayerActive() == 1)
        m_player.StopPlayback();
    OpenGivenFiles(std::exchange(m_handedFiles, {}));
}

void PlayListWindow::dropFiles(const QStringList& paths)
{
    m_open.OpenFiles(filedrop::acceptedFiles(paths, Mp3Available()));
    openBatchFinished();
}
