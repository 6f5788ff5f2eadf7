#include "player.h"

#include "EditorPlayLine.h"
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
    m_playBarMarkerX = -100;
    m_editorMarkerX = -100;
    m_playerActive = 1;
    m_playingTrack = track;
    m_awaitedReport.reset();
    refreshCommands();
    redrawPlayBar();
    if (engineclient::play(m_list.TrackAt(track), offset, &Player::PlaybackCallback) == ENGINE_OPEN_FAILED) {
        m_prompts.message(m_messageParent, tr("ｵｰﾃﾞｨｵﾃﾞﾊﾞｲｽがｵｰﾌﾟﾝできません"), tr("ｴﾗｰ"),
                          Prompts::Buttons::Ok);
        m_playerActive = -1;
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
    if (m_playBar != nullptr && m_playBarMarkerX != -100)
        m_playBar->InvertPlayBarMarker(m_playBarMarkerX);
    if (m_editor != nullptr && m_editorMarkerX != -100 && m_playingTrack == m_editor->EditorTrack())
        m_editor->InvertPlayLine(m_editorMarkerX);
    m_playBarMarkerX = -100;
    m_editorMarkerX = -100;
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
    moveMarkers(position);
    const PlayBarEventCode event = AdvanceEvent(m_list.TrackAt(m_playingTrack).record, position, m_peakRun == 1,
                                                m_playingTrack == m_list.TrackCount());
    if (event != NoEvent)
        armTimer1(event, 1);
}

void Player::moveMarkers(int32_t position)
{
    m_timelinePosition = m_list.TrackTimeline()[size_t(m_playingTrack)].start + position;
    if (m_playBar != nullptr && m_view.ShowsMarkerAt(m_timelinePosition)) {
        if (m_playBarMarkerX != -100)
            m_playBar->InvertPlayBarMarker(m_playBarMarkerX);
        m_playBarMarkerX = m_view.MarkerX(m_timelinePosition);
        m_playBar->InvertPlayBarMarker(m_playBarMarkerX);
    }
    if (m_editor != nullptr && m_playingTrack == m_editor->EditorTrack() &&
        EditorShowsPosition(position, m_editor->EditorViewStart(), m_editor->EditorViewBytes())) {
        if (m_editorMarkerX != -100)
            m_editor->InvertPlayLine(m_editorMarkerX);
        m_editorMarkerX = EditorMarkerXFor(position, m_editor->EditorViewStart(), m_editor->EditorBytesPerUnit());
        m_editor->InvertPlayLine(m_editorMarkerX);
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
        becomeIdle();
        redrawPlayBar();
        if (m_editor != nullptr && m_editor->EditorTrack() >= 1) {
            m_editor->RedrawWaveform();
            m_editorMarkerX = -100;
        }
        refreshCommands();
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
        becomeIdle();
        refreshCommands();
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
    m_playBarMarkerX = -100;
    if (m_playBar != nullptr)
        m_playBar->RedrawPlayBar();
}
