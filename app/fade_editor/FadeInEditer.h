// fFadeInEditer: the fade editor window. It shows one track's waveform with
// its silent head and tail, its fades and a cursor, lets the user zoom and
// scroll, and runs the fade and mute point commands at the cursor. The view
// arithmetic, the cache and the commands live in widget-free classes; this
// window holds the controls and replays the drawing on its picture.
//
// The window is made once and only hidden when closed. It draws its own play
// line from what the player announces (ErasePlayLine, ShowPlayPosition,
// PlaybackStopped). Use from the user-interface thread only.
#pragma once

#include "MainCommands.h"
#include "WindowPlacement.h"
#include "editor_view.h"
#include "wave_cache.h"

#include <QHash>
#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class PictureBox;
class PlayList;
struct ListChange;
class PlaybackControl;
class Prompts;
class QAction;
class QMenu;
class QProgressBar;
class QScrollBar;
class QToolBar;
struct Settings;
struct Shape;

class FadeInEditer : public QMainWindow {
    Q_OBJECT
public:
    // What the editor asks of the main window.
    struct Hooks {
        std::function<void()> RefreshCommands;
        // Redraws the grid rows and the play bar a moved mute point changed.
        std::function<void(const ListChange&)> ApplyListChange;
        std::function<void()> ShowTrackStatus;
        // A track item of the File menu was chosen: select the track and
        // open it as mnuEditFadeIn does.
        std::function<void(int track)> EditTrack;
        // Whether mnuWindowEdit is checked, and its check mark.
        std::function<bool()> WindowEditChecked;
        std::function<void(bool)> SetWindowEditChecked;
    };

    static constexpr int DefaultTop = 7140;
    static constexpr int DefaultWidth = 7935;

    FadeInEditer(PlayList& list, const Settings& settings, WaveCache& cache, Prompts& prompts, Hooks hooks,
                 QWidget* parent = nullptr);

    // Playback starts, stops and seeks through player; without one the play
    // commands do nothing and the player counts as idle.
    void AttachPlayer(PlaybackControl& player) { m_player = &player; }

    const EditorView& view() const { return m_view; }
    const WaveCache& cache() const { return m_cache; }
    QAction* command(const QString& name) const { return m_commands.command(name); }
    PictureBox* picture() const { return m_picture; }
    QScrollBar* scrollBar() const { return m_scroll; }

    // Show the window, first in the empty state when no track was ever loaded.
    void OpenWin();
    // Loads SelectedTrack and shows the window.
    void IniLoad();
    void PicWidth();
    void RePic();
    void HScroll1_Change();
    // The scroll bar's value without the view following it (the main
    // window sets it before IniLoad).
    void SetScrollValue(int value);
    void ZoomIn();
    void ZoomOut();
    void DrawCursor();
    // Places the cursor under a picture unit, as a button press does.
    void PressAt(double x);
    void PlayFromCursor();
    void Picture1_DblClick();
    // Runs a fade or mute command or an envelope dialog by menu name.
    void RunCommand(const QString& menuName);
    void ShowButton(bool fadeIn, bool fadeOut);
    // Keeps the editor on its track after the list moved one; from = -1:
    // the track was deleted.
    void MoveList(int from, int to);
    // Track item i of the File menu: caption, shown, checked.
    void ShowTrackItem(int i, const QString& caption, bool checked);
    void HideTrackItem(int i);
    // The window's place in twips: top, left, width.
    WindowPlacement placement() const;
    void applyPlacement(const WindowPlacement& placement);

    void RedrawWaveform();

    // Playback started or moved elsewhere: a drawn play line goes.
    void ErasePlayLine();
    // The player plays track at a byte offset: while the editor shows that
    // place of that track, the play line moves there.
    void ShowPlayPosition(int track, int position);
    // Playback ended: the waveform is drawn afresh, without a play line.
    void PlaybackStopped();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void registerCommands();
    void buildView();
    void paint(const QList<Shape>& shapes);
    void loadBlocks(int firstSlot, int count, int32_t offset);
    void runEnvelope(bool fadeIn);
    void placeProgressBar();
    // Clears the picture in the copy-pen mode; the play line goes with it.
    void clearPicture();
    // Draws a vertical line at x across the waveform in the invert mode;
    // drawn twice at one place it disappears.
    void invertPlayLine(int x);
    int playerActive() const;
    bool hasTrack() const;

    PlayList& m_list;
    const Settings& m_settings;
    WaveCache& m_cache;
    Prompts& m_prompts;
    Hooks m_hooks;
    PlaybackControl* m_player = nullptr;
    EditorView m_view;

    PictureBox* m_picture = nullptr;
    QScrollBar* m_scroll = nullptr;
    QProgressBar* m_progress = nullptr;
    QToolBar* m_toolbar = nullptr;
    std::array<QAction*, 31> m_trackItems{};
    MainCommands m_commands{*this, "EditorMenus"};
    std::optional<int> m_playLineX;  // where the play line is drawn, if it is
};
