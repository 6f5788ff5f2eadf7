#include "PlayBarIcons.h"

#include "DrawnIcon.h"

#include <QPainter>
#include <QPolygonF>

#include <functional>

namespace playbaricons {

namespace {

using drawnicon::Accent;
using drawnicon::Ink;
using drawnicon::magnifier;

// The play bar's shapes are filled without outlines.
QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    return drawnicon::drawn([&draw](QPainter& p) {
        p.setPen(Qt::NoPen);
        draw(p);
    });
}

const QColor Peak(220, 30, 30);

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
