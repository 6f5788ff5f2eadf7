#include "PictureBox.h"

#include "Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace {

QPoint toPixel(double x, double y)
{
    return {twips::toPixels(x), twips::toPixels(y)};
}

// The rectangle between two corners given in any order, both included.
QRect pixelRect(double x1, double y1, double x2, double y2)
{
    const QPoint a = toPixel(x1, y1);
    const QPoint b = toPixel(x2, y2);
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    m_image = QImage(1, 1, QImage::Format_RGB32);
    m_image.fill(m_backColor);
}

int PictureBox::scaleWidth() const
{
    return int(twips::fromPixels(contentsRect().width()));
}

int PictureBox::scaleHeight() const
{
    return int(twips::fromPixels(contentsRect().height()));
}

const QImage& PictureBox::image()
{
    fitImage();
    return m_image;
}

void PictureBox::fitImage()
{
    // A hidden widget gets its resize event only when it is first shown, so
    // every drawing call checks the size itself.
    const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
    if (size == m_image.size())
        return;
    QImage resized(size, QImage::Format_RGB32);
    resized.fill(m_backColor);
    QPainter painter(&resized);
    painter.drawImage(0, 0, m_image);
    painter.end();
    m_image = resized;
}

template <typename Draw>
void PictureBox::paintWith(const QColor& color, Draw draw)
{
    fitImage();
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        QFont font = this->font();
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        if (m_drawMode == DrawMode::Invert) {
            painter.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter.setPen(QPen(Qt::white, 0));
            painter.setBrush(Qt::white);
        } else {
            painter.setPen(QPen(color, 0));
            painter.setBrush(color);
        }
        draw(painter);
    }
    update();
}

void PictureBox::clear()
{
    fitImage();
    m_image.fill(m_backColor);
    update();
}

void PictureBox::line(double x1, double y1, double x2, double y2)
{
    line(x1, y1, x2, y2, m_foreColor);
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& color)
{
    const QPoint from = toPixel(x1, y1);
    const QPoint to = toPixel(x2, y2);
    if (from == to) {
        point(x1, y1, color);
        return;
    }
    paintWith(color, [&](QPainter& painter) { painter.drawLine(from, to); });
}

void PictureBox::box(double x1, double y1, double x2, double y2, const QColor& color)
{
    const QRect rect = pixelRect(x1, y1, x2, y2);
    // The four edges as one polygon, so that no corner pixel is touched twice
    // (which would cancel itself out in Invert mode).
    const QPolygon outline({rect.topLeft(), rect.topRight(), rect.bottomRight(), rect.bottomLeft()});
    paintWith(color, [&](QPainter& painter) {
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);
    });
}

void PictureBox::filledBox(double x1, double y1, double x2, double y2, const QColor& color)
{
    const QRect rect = pixelRect(x1, y1, x2, y2);
    paintWith(color, [&](QPainter& painter) { painter.fillRect(rect, painter.brush()); });
}

void PictureBox::point(double x, double y)
{
    point(x, y, m_foreColor);
}

void PictureBox::point(double x, double y, const QColor& color)
{
    fitImage();
    const QPoint at = toPixel(x, y);
    if (!m_image.rect().contains(at))
        return;
    if (m_drawMode == DrawMode::Invert)
        m_image.setPixel(at, ~m_image.pixel(at) | 0xFF000000u);
    else
        m_image.setPixelColor(at, color);
    update();
}

void PictureBox::text(double x, double y, const QString& text)
{
    fitImage();
    this->text(x, y, text, twips::fromPixels(m_image.width()));
}

void PictureBox::text(double x, double y, const QString& text, double right)
{
    fitImage();
    const QPoint at = toPixel(x, y);
    // drawText clips to its rectangle.
    const QRect area(at, QPoint(twips::toPixels(right) - 1, m_image.height() - 1));
    if (area.isEmpty())
        return;
    paintWith(m_foreColor, [&](QPainter& painter) {
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    });
}

double PictureBox::textWidth(const QString& text) const
{
    QFont font = this->font();
    font.setStyleStrategy(QFont::NoAntialias);
    return twips::fromPixels(QFontMetrics(font).horizontalAdvance(text));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    fitImage();
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitImage();
}
