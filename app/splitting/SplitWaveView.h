// The split window's waveform: the recording in view with its ruler and
// numbered marks, painted from a cached picture that is rebuilt only when
// the view or the marks change; the play line is drawn over it.
//
// A click chooses the mark under the pointer (within a few pixels) or moves
// the play position; dragging a chosen mark moves it along the frame grid;
// a double click adds a mark there. The wheel scrolls, with Ctrl it zooms.
#pragma once

#include "split_marks.h"
#include "split_view.h"

#include <QImage>
#include <QWidget>

class WaveOverview;

class SplitWaveView : public QWidget {
    Q_OBJECT
public:
    SplitWaveView(const WaveOverview& overview, SplitMarks& marks, QWidget* parent = nullptr);

    SplitView& view() { return m_view; }
    int chosenMark() const { return m_chosen; }
    void chooseMark(int index);
    // The play line's sample, or -1 for none.
    void setPlayLine(int64_t sample);
    int64_t cursor() const { return m_cursor; }
    void setCursor(int64_t sample);
    // The marks or the view changed: the picture is built again.
    void refresh();
    // How long the last picture took to build and paint, in microseconds.
    qint64 lastBuildMicroseconds() const { return m_buildMicroseconds; }

signals:
    void markChosen(int index);
    // A mark was added, moved or removed by the mouse.
    void marksChanged();
    void cursorMoved(int64_t sample);
    void viewChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void rebuild();

    const WaveOverview& m_overview;
    SplitMarks& m_marks;
    SplitView m_view;
    QImage m_picture;
    bool m_stale = true;
    int m_chosen = -1;
    bool m_dragging = false;
    int64_t m_playLine = -1;
    int64_t m_cursor = 0;
    qint64 m_buildMicroseconds = 0;
};
