// The play bar's view of the list timeline: which timeline byte lies at the
// picture's left edge, how many bytes one drawing unit (a twip) covers, the
// zoom level, the picture's width, and the track found under a position.
// Positions are bytes on the list's timeline (TrackTimeline). No widgets;
// the play bar window applies what this decides.
#pragma once

#include <QtGlobal>

class PlayList;

class PlayBarView {
public:
    // The scroll bar always covers two hours, whatever the list's length.
    static constexpr qint64 ScrollTimelineBytes = 1270080000;
    static constexpr int ScrollMaximum = 10000;
    static constexpr qint64 MinuteBytes = 10584000;
    static constexpr int MinZoomLevel = -2;
    static constexpr int MaxZoomLevel = 2;

    qint64 PlayBarViewStart() const { return m_viewStart; }
    int PlayBarBytesPerUnit() const { return m_bytesPerUnit; }
    int PlayBarZoomLevel() const { return m_zoomLevel; }
    int PlayBarWidth() const { return m_width; }
    // Taken from the picture at every redraw.
    void SetPlayBarWidth(int units) { m_width = units; }

    // The timeline byte at the picture's right edge.
    qint64 ViewEnd() const { return m_viewStart + qint64(m_width) * m_bytesPerUnit; }
    // A timeline position's x, rounded half to even.
    int X(qint64 position) const;
    // The play-position marker: shown from the left edge to 100 units past
    // the right edge, at an x truncated toward zero.
    bool ShowsMarkerAt(qint64 position) const;
    int MarkerX(qint64 position) const;
    // The timeline position under a press at x; an x outside the picture
    // (its frame) counts as the nearest edge.
    qint64 PointerAt(double x) const;

    // One zoom step in or out; true when the step reached the last level,
    // so that its button is to be disabled (the other one is enabled).
    bool ZoomIn();
    bool ZoomOut();

    // HScroll1_Change: the scroll bar's value moves the view's start; the
    // steps that fit the picture's width at the current zoom are returned.
    struct ScrollSteps {
        int smallChange;
        int largeChange;
    };
    ScrollSteps Scroll(int value, int pictureWidth);

    // SerchPlayMusicNo: rounds position down to a multiple of 4 and finds
    // the track it lies in (FoundTrack, -1 when none) and the frame offset
    // within that track (FoundOffset, 0 when none). A track's place runs to
    // the end of its added or removed silence.
    void SerchPlayMusicNo(const PlayList& list, qint64& position);
    int FoundTrack() const { return m_foundTrack; }
    qint64 FoundOffset() const { return m_foundOffset; }

private:
    void applyZoom();

    qint64 m_viewStart = 0;
    int m_bytesPerUnit = 30000;
    int m_zoomLevel = 0;
    int m_width = 0;
    int m_foundTrack = -1;
    qint64 m_foundOffset = 0;
};
