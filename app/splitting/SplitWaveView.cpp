#include "SplitWaveView.h"

#include "split_drawing.h"
#include "wave_overview.h"

#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace {

constexpr int GrabPixels = 4;

QColor colorOf(uint32_t rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

void paintShapes(QPainter& painter, const QList<Shape>& shapes)
{
    for (const Shape& shape : shapes) {
        const QColor color = colorOf(shape.rgb);
        switch (shape.kind) {
        case Shape::Line:
            painter.setPen(color);
            painter.drawLine(shape.x1, shape.y1, shape.x2, shape.y2);
            break;
        case Shape::FilledBox:
            painter.fillRect(QRect(QPoint(shape.x1, shape.y1), QPoint(shape.x2, shape.y2)), color);
            break;
        case Shape::Point:
            painter.setPen(color);
            painter.drawPoint(shape.x1, shape.y1);
            break;
        case Shape::Text: {
            QFont font = painter.font();
            font.setPointSize(shape.fontSize);
            painter.setFont(font);
            painter.setPen(color);
            painter.drawText(QPoint(shape.x1, shape.y1 + painter.fontMetrics().ascent()), shape.text);
            break;
        }
        }
    }
}

}  // namespace

SplitWaveView::SplitWaveView(const WaveOverview& overview, SplitMarks& marks, QWidget* parent)
    : QWidget(parent)
    , m_overview(overview)
    , m_marks(marks)
{
    setObjectName(QStringLiteral("picWave"));
    setMinimumSize(400, 160);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_view.reset(overview.frames(), width());
}

void SplitWaveView::chooseMark(int index)
{
    m_chosen = index;
    refresh();
}

void SplitWaveView::setPlayLine(int64_t sample)
{
    if (sample == m_playLine)
        return;
    m_playLine = sample;
    update();
}

void SplitWaveView::setCursor(int64_t sample)
{
    m_cursor = sample;
    update();
}

void SplitWaveView::refresh()
{
    m_stale = true;
    update();
}

void SplitWaveView::rebuild()
{
    QElapsedTimer timer;
    timer.start();
    m_picture = QImage(size(), QImage::Format_RGB32);
    QPainter painter(&m_picture);
    paintShapes(painter, splitdrawing::Picture(m_view, height(), m_overview, m_marks, m_chosen));
    m_stale = false;
    m_buildMicroseconds = timer.nsecsElapsed() / 1000;
}

void SplitWaveView::paintEvent(QPaintEvent*)
{
    if (m_stale || m_picture.size() != size())
        rebuild();
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
    const auto vertical = [&](int64_t sample, const QColor& color) {
        const double x = m_view.xOf(sample);
        if (x >= 0 && x < width()) {
            painter.setPen(color);
            painter.drawLine(int(x), 0, int(x), height() - splitdrawing::RulerHeight);
        }
    };
    vertical(m_cursor, QColor(Qt::darkYellow));
    if (m_playLine >= 0)
        vertical(m_playLine, QColor(Qt::magenta));
}

void SplitWaveView::resizeEvent(QResizeEvent*)
{
    m_view.setWidth(width());
    m_stale = true;
    emit viewChanged();
}

void SplitWaveView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int x = int(event->position().x());
    const int64_t tolerance = int64_t(std::ceil(GrabPixels * m_view.framesPerPixel() * 588));
    const int near = m_marks.markNear(m_view.sampleAt(x), tolerance);
    if (near >= 0) {
        m_chosen = near;
        m_dragging = near > 0;
        refresh();
        emit markChosen(near);
        return;
    }
    setCursor(SplitMarks::OnGrid(m_view.sampleAt(x)));
    emit cursorMoved(m_cursor);
}

void SplitWaveView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging || m_chosen <= 0)
        return;
    m_marks.move(m_chosen, m_view.sampleAt(int(event->position().x())));
    refresh();
    emit marksChanged();
}

void SplitWaveView::mouseReleaseEvent(QMouseEvent*)
{
    m_dragging = false;
}

void SplitWaveView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = m_marks.add(m_view.sampleAt(int(event->position().x())));
    if (index < 0)
        return;
    m_chosen = index;
    refresh();
    emit marksChanged();
    emit markChosen(index);
}

void SplitWaveView::wheelEvent(QWheelEvent* event)
{
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0)
        return;
    if (event->modifiers() & Qt::ControlModifier)
        m_view.zoom(std::pow(0.5, steps), int(event->position().x()));
    else
        m_view.scrollTo(m_view.firstFrame() - steps * m_view.shownFrames() / 8);
    refresh();
    emit viewChanged();
}
