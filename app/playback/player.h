// The player: starts, stops and moves the engine's playback, follows it with
// the play bar's play-position marker, announces what it plays (start,
// position, end) as signals for the windows that draw a play line of their
// own, plays the list on from track to track, and runs the continuous
// peak-point play.
//
// The engine reports positions on its worker thread through one plain C
// callback (PlaybackCallback). That callback only posts each report, in
// order, to this object on the user-interface thread; everything else here
// runs on the user-interface thread. Decisions that call the engine again,
// show a message, redraw or refresh the commands are left to Timer1, the
// play bar's one-shot timer, through the code in PlayBarEvent.
//
// No widgets: the play bar is reached through PlayBarPicture, absent until
// attached; the player knows no other window.
#pragma once

#include "PlaybackControl.h"
#include "player_rules.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <optional>

class PlayBarPicture;
class PlayBarView;
class PlayList;
class Prompts;
class QTimer;
class QWidget;
enum class PeakJumpMode;

class Player : public QObject, public PlaybackControl {
    Q_OBJECT
public:
    // The engine's callback reports to the player constructed last.
    Player(PlayList& list, PlayBarView& view, Prompts& prompts, QObject* parent = nullptr);
    // Stops a running playback; reports still on their way are dropped.
    ~Player() override;

    // The play bar's picture and its one-shot timer Timer1; attached before
    // the first start.
    void AttachPlayBar(PlayBarPicture* picture, QTimer* timer1);
    // RefreshCommands of the main window.
    void SetRefreshCommands(std::function<void()> refresh) { m_refreshCommands = std::move(refresh); }
    // The window over which the player's messages appear.
    void SetMessageParent(QWidget* parent) { m_messageParent = parent; }

    int PlayerActive() const override { return m_playerActive; }
    // Puts the player into a state without the engine, as a test of the
    // windows' playing state does.
    void SetPlayerActive(int state) { m_playerActive = state; }
    int PlayingTrack() const override { return m_playingTrack; }
    int PeakRun() const { return m_peakRun; }
    int PlayBarEvent() const { return m_playBarEvent; }
    qint64 TimelinePosition() const { return m_timelinePosition; }
    // What PlayBarMarkerX reports while the play bar shows no marker.
    static constexpr int NoMarker = -100;
    int PlayBarMarkerX() const { return m_playBarMarkerX.value_or(NoMarker); }
    qint64 PlayBarPointer() const { return m_playBarPointer; }
    void SetPlayBarPointer(qint64 pointer) { m_playBarPointer = pointer; }

    void StartPlayback(int track, int offset) override;
    // Asks the engine to stop; idle follows with the engine's end report, or
    // after 10 seconds without one.
    void StopPlayback() override;
    void SeekPlayback(int track, int offset) override;
    void ClearPeakRun() override { m_peakRun = 0; }
    // The play bar was redrawn, and its marker with it.
    void ForgetPlayBarMarker() { m_playBarMarkerX.reset(); }

    // mnuPlayPeak: the peak-point play from the selected track on.
    void PlayPeakPoints();
    // The play bar's "play" and double-click: plays (or moves playback to)
    // the track under the pointer.
    void PlayFromPointer();
    // The play bar's "playpeak", "beforepeak" and "afterpeak".
    void PeakJump(PeakJumpMode mode);
    // After the level dialog: the playing track's new level is heard from
    // the next block on.
    void PushLevelChange();

    // One engine report, on the user-interface thread (OnPlaybackPosition).
    void OnPlaybackPosition(int32_t position);
    // Timer1's event.
    void Timer1_Timer();

    // The PlaybackCallback handed to the engine; runs on its worker thread.
    static int32_t PlaybackCallback(int32_t position);

signals:
    // Playback starts, or moves to another track or offset: a play line
    // drawn for the earlier place no longer applies.
    void PlaybackStarted(int track);
    // The engine plays the track at this byte offset (one report of it).
    void PlaybackPosition(int track, int position);
    // Playback ended and the player is idle; the play bar is redrawn
    // already, the commands are refreshed next.
    void PlaybackStopped();

private:
    void armTimer1(playerrules::PlayBarEventCode event, int interval);
    void refreshCommands();
    void redrawPlayBar();
    void moveMarker(int32_t position);
    void becomeIdle();
    // becomeIdle, then the play bar is redrawn without its marker, the end
    // announced and the commands refreshed.
    void returnToIdle();

    PlayList& m_list;
    PlayBarView& m_view;
    Prompts& m_prompts;
    PlayBarPicture* m_playBar = nullptr;
    QTimer* m_timer1 = nullptr;
    std::function<void()> m_refreshCommands;
    QWidget* m_messageParent = nullptr;

    int m_playerActive = -1;
    int m_playingTrack = 0;
    int m_peakRun = 0;
    int m_playBarEvent = playerrules::NoEvent;
    qint64 m_timelinePosition = 0;
    std::optional<int> m_playBarMarkerX;  // where the play bar's marker is drawn
    qint64 m_playBarPointer = 0;
    // After a seek, reports that the worker queued before it took the seek
    // still arrive; they belong to the previous track or offset. The first
    // report of the new place is awaited and earlier ones are passed over.
    std::optional<int32_t> m_awaitedReport;
};
