// fPlayBar, "PlayBar Window": the whole list drawn as one timeline in
// Picture1, with the pointer to play from, zoom, scrolling (HScroll1), the
// peak buttons and the moving play-position marker. Timer1, the player's
// one-shot timer, lives here. Closing the window only hides it, so the
// window and its timer live as long as the program.
//
// The window is thin: the view arithmetic is PlayBarView's, what to draw is
// BuildPlayBarScene's, and playback is the Player's.
#pragma once

#include "command_states.h"
#include "play_bar_picture.h"

#include <QHash>
#include <QWidget>

class PictureBox;
class PlayBarView;
class PlayList;
class Player;
class QAction;
class QScrollBar;
class QTimer;

class PlayBarWindow : public QWidget, public PlayBarPicture {
    Q_OBJECT
public:
    // Created hidden, with the buttons that need a track disabled; attaches
    // itself to the player as its picture and timer.
    PlayBarWindow(Player& player, PlayBarView& view, const PlayList& list, QWidget* parent = nullptr);

    void RedrawPlayBar() override;
    void InvertPlayBarMarker(int x) override;

    // The play bar's column of the command-state table.
    void ApplyCommandStates(const QHash<QString, CommandState>& states);
    // Runs the command of a toolbar button; an unknown key does nothing.
    void Toolbar1_ButtonClick(const QString& key);
    void HScroll1_Change();

    PictureBox* picture() const { return m_picture; }
    QAction* button(const QString& key) const { return m_buttons.value(key); }

signals:
    // The user closed the window: it is hidden, not destroyed.
    void Hidden();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildToolbar();
    void zoomIn();
    void zoomOut();
    void zoomed();
    // The picture's drawing units (twips) under a point of the picture.
    double pictureX(const QPoint& position) const;

    Player& m_player;
    PlayBarView& m_view;
    const PlayList& m_list;
    PictureBox* m_picture = nullptr;
    QScrollBar* m_scroll = nullptr;
    QTimer* m_timer1 = nullptr;
    QHash<QString, QAction*> m_buttons;
};
