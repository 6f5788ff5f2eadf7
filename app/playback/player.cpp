#include "player.h"

#include "EngineClient.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "peak_jump.h"
#include "play_bar_picture.h"
#include "play_bar_view.h"
#include "play_list.h"

#include <QTimer>

#include <algorithm>
#include <mutex>

using namespace playerrules;

namespace {

// The engine's callback takes no user data, so the one player it reports to
// is kept here. The lock makes posting and detaching exclusive: a report
// never reaches a player that is being destroyed. Posting does not wait for
// the user-interface thread, so the worker never waits for it either.
std::mutex g_callbackLock;
Player* g_callbackPlayer = nullptr;

// The engine queues blocks of 16,384 bytes and reports the end of what it
// has queued; a playback from `offset` first reports this.
int32_t firstReportFrom(int32_t offset)
{
    return std::max(offset, 0) / 4 * 4 + 16384;
}

}  // namespace

Player::Player(PlayList& list, PlayBarView& view, Prompts& prompts, QObject* parent)
    : QObject(parent)
    , m_list(list)
    , m_view(view)
    , m_prompts(prompts)
{
    std::lock_guard guard(g_callbackLock);
    g_callbackPlayer = this;
}

Player::~Player()
{
    {
        std::lock_guard guard(g_callbackLock);
        if (g_callbackPlayer == this)
            g_callbackPlayer = nullptr;
    }
    if (m_playerActive == 1)
        engineclient::control(m_list.TrackAt(m_playingTrack), 0, -1);
}

int32_t Player::PlaybackCallback(int32_t position)
{
    std::lock_guard guard(g_callbackLock);
    if (g_callbackPlayer != nullptr) {
        Player* player = g_callbackPlayer;
        QMetaObject::invokeMethod(
            player, [player, position] { player->OnPlaybackPosition(position); }, Qt::QueuedConnection);
    }
    return 0;
}

void Player::AttachPlayBar(PlayBarPicture* picture, QTimer* timer1)
{
    m_playBar = picture;
    m_timer1 = timer1;
    m_timer1->setSingleShot(true);
    connect(m_timer1, &QTimer::timeout, this, &Player::Timer1_Timer);
}

void Player::StartPlayback(int track, int offset)
{
    m_playBarMarkerX.reset();
    m_playerActive = 1;
    m_playingTrack = track;
    m_awaitedReport.reset();
    emit PlaybackStarted(track);
    refreshCommands();
    redrawPlayBar();
    if (engineclient::play(m_list.TrackAt(track), offset, &Player::PlaybackCallback) == ENGINE_OPEN_FAILED) {
        m_prompts.message(m_messageParent, tr("ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽがｵｰﾌﾟﾝできません"), tr("ｴﾗｰ"),
                          Prompts::Buttons::Ok);
        // A peak-point run that never started must not cut the next plain
        // play at each peak.
        becomeIdle();
        refreshCommands();
    }
}

void Player::StopPlayback()
{
    m_peakRun = 0;
    // Should the engine never report its end, the user interface still
    // returns to idle after 10 seconds.
    armTimer1(StopTimeout, 10000);
    engineclient::control(m_list.TrackAt(m_playingTrack), 0, -1);
}

void Player::SeekPlayback(int track, int offset)
{
    if (m_playBar != nullptr && m_playBarMarkerX)
        m_playBar->InvertPlayBarMarker(*m_playBarMarkerX);
    m_playBarMarkerX.reset();
    emit PlaybackStarted(track);
    m_playingTrack = track;
    m_awaitedReport = firstReportFrom(offset);
    engineclient::control(m_list.TrackAt(track), offset, 4);
}

void Player::OnPlaybackPosition(int32_t position)
{
    if (position < 0) {
        armTimer1(position == -1 ? PlaybackEnded : FileMissing, 1);
        return;
    }
    if (m_awaitedReport) {
        if (position != *m_awaitedReport)
            return;
        m_awaitedReport.reset();
    }
    moveMarker(position);
    emit PlaybackPosition(m_playingTrack, position);
    const PlayBarEventCode event = AdvanceEvent(m_list.TrackAt(m_playingTrack).record, position, m_peakRun == 1,
                                                m_playingTrack == m_list.TrackCount());
    if (event != NoEvent)
        armTimer1(event, 1);
}

void Player::moveMarker(int32_t position)
{
    m_timelinePosition = m_list.TrackTimeline()[size_t(m_playingTrack)].start + position;
    if (m_playBar != nullptr && m_view.ShowsMarkerAt(m_timelinePosition)) {
        if (m_playBarMarkerX)
            m_playBar->InvertPlayBarMarker(*m_playBarMarkerX);
        m_playBarMarkerX = m_view.MarkerX(m_timelinePosition);
        m_playBar->InvertPlayBarMarker(*m_playBarMarkerX);
    }
}

void Player::armTimer1(PlayBarEventCode event, int interval)
{
    // A pending arming is only restarted; the event written last wins.
    m_playBarEvent = event;
    m_timer1->start(interval);
}

void Player::Timer1_Timer()
{
    switch (m_playBarEvent) {
    case PlaybackEnded:
    case StopTimeout:
        returnToIdle();
        break;
    case NextExcerpt: {
        const int next = m_playingTrack + 1;
        if (next <= m_list.TrackCount())
            SeekPlayback(next, PeakExcerptStart(m_list.TrackAt(next).record, true));
        break;
    }
    case NextTrack:
        if (m_playingTrack < m_list.TrackCount())
            SeekPlayback(m_playingTrack + 1, 0);
        break;
    case FileMissing:
        m_prompts.message(m_messageParent, tr("再生ファイルが見つかりません"), ProgramTitle(),
                          Prompts::Buttons::Ok);
        // The markers of the lost playback go with the redraw.
        returnToIdle();
        break;
    default:
        break;
    }
}

void Player::becomeIdle()
{
    m_playerActive = -1;
    m_peakRun = 0;
    m_awaitedReport.reset();
}

void Player::returnToIdle()
{
    becomeIdle();
    redrawPlayBar();
    emit PlaybackStopped();
    refreshCommands();
}

void Player::PlayPeakPoints()
{
    const int selected = m_list.SelectedTrack();
    const int start = PeakExcerptStart(m_list.TrackAt(selected).record, false);
    m_peakRun = 1;
    m_playBarPointer = m_list.TrackTimeline()[size_t(selected)].start + start;
    StartPlayback(selected, start);
}

void Player::PlayFromPointer()
{
    if (m_list.TrackCount() == 0)
        return;
    m_peakRun = 0;
    m_view.SerchPlayMusicNo(m_list, m_playBarPointer);
    if (m_view.FoundTrack() == -1)
        return;
    if (m_playerActive == -1)
        StartPlayback(m_view.FoundTrack(), int(m_view.FoundOffset()));
    else
        SeekPlayback(m_view.FoundTrack(), int(m_view.FoundOffset()));
}

void Player::PeakJump(PeakJumpMode mode)
{
    if (m_list.TrackCount() == 0 || (mode == PeakJumpMode::PeakRun && m_playerActive == 1))
        return;
    m_peakRun = 0;
    m_view.SerchPlayMusicNo(m_list, m_playerActive == 1 ? m_timelinePosition : m_playBarPointer);
    const auto target = PeakJumpTarget(m_list, mode, m_view.FoundTrack(), m_view.FoundOffset());
    if (!target)
        return;
    m_playBarPointer = m_list.TrackTimeline()[size_t(target->track)].start + target->start;
    if (mode == PeakJumpMode::PeakRun) {
        m_peakRun = 1;
        StartPlayback(target->track, target->start);
    } else {
        redrawPlayBar();
        PlayFromPointer();
    }
}

void Player::PushLevelChange()
{
    if (m_playerActive == 1)
        engineclient::control(m_list.TrackAt(m_playingTrack), 0, 2);
}

void Player::refreshCommands()
{
    if (m_refreshCommands)
        m_refreshCommands();
}

void Player::redrawPlayBar()
{
    m_playBarMarkerX.reset();
    if (m_playBar != nullptr)
        m_playBar->RedrawPlayBar();
}
