#include "PlayBarIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

namespace playbaricons {

namespace {

constexpr int Size = 16;
const QColor Ink(40, 40, 40);
const QColor Accent(30, 90, 200);
const QColor Peak(220, 30, 30);

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void magnifier(QPainter& p, bool plus)
{
    p.setPen(QPen(Ink, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(2, 2, 9, 9));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (plus)
        p.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

void triangle(QPainter& p, double left, double right, const QColor& color)
{
    p.setBrush(color);
    p.drawPolygon(QPolygonF({QPointF(left, 3), QPointF(right, 8), QPointF(left, 13)}));
}

void peakMark(QPainter& p, double x)
{
    p.fillRect(QRectF(x, 2, 2, 12), Peak);
}

}  // namespace

QIcon toolbarIcon(const QString& key)
{
    if (key == u"zoomin")
        return drawn([](QPainter& p) { magnifier(p, true); });
    if (key == u"zoomout")
        return drawn([](QPainter& p) { magnifier(p, false); });
    if (key == u"beforepeak")
        return drawn([](QPainter& p) {
            peakMark(p, 2);
            triangle(p, 14, 6, Accent);
        });
    if (key == u"playpeak")
        return drawn([](QPainter& p) {
            peakMark(p, 12);
            triangle(p, 2, 10, Accent);
        });
    if (key == u"play")
        return drawn([](QPainter& p) { triangle(p, 4, 13, Accent); });
    if (key == u"stop")
        return drawn([](QPainter& p) { p.fillRect(QRectF(4, 4, 8, 8), Ink); });
    if (key == u"afterpeak")
        return drawn([](QPainter& p) {
            triangle(p, 2, 10, Accent);
            peakMark(p, 12);
        });
    return QIcon();
}

}  // namespace playbaricons
