#include "Icons.h"

#include "DrawnIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace icons {

namespace {

using drawnicon::drawn;
using drawnicon::Accent;
using drawnicon::Ink;

void arrow(QPainter& p, bool up, double tipY)
{
    const double dy = up ? 5 : -5;
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPolygon(QPolygonF({QPointF(8, tipY), QPointF(2.5, tipY + dy), QPointF(13.5, tipY + dy)}));
    p.fillRect(QRectF(6, up ? tipY + dy : tipY + dy - 5, 4, 5), Accent);
}

void bar(QPainter& p, double y)
{
    p.fillRect(QRectF(2, y, 12, 2), Ink);
}

// A fade's gain line: rising from silence to full level, or falling.
void ramp(QPainter& p, bool rising)
{
    p.setPen(QPen(Accent, 1.8));
    if (rising)
        p.drawPolyline(QPolygonF({QPointF(1, 13), QPointF(11, 3), QPointF(15, 3)}));
    else
        p.drawPolyline(QPolygonF({QPointF(1, 3), QPointF(5, 3), QPointF(15, 13)}));
    p.setPen(QPen(Ink, 1));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

}  // namespace

QIcon programIcon()
{
    return drawn([](QPainter& p) {
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(200, 210, 230));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
    });
}

QIcon toolbarIcon(const QString& key)
{
    if (key == u"open") {
        return drawn([](QPainter& p) {
            p.setPen(QPen(Ink, 1));
            p.setBrush(QColor(240, 200, 90));
            p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(6, 4), QPointF(7.5, 5.5), QPointF(14.5, 5.5),
                                     QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
        });
    }
    if (key == u"back") {
        return drawn([](QPainter& p) {
            QPainterPath path;
            path.moveTo(4, 7);
            path.cubicTo(7, 3, 14, 4, 13, 10);
            path.lineTo(11, 13);
            p.setPen(QPen(Accent, 2));
            p.drawPath(path);
            p.setPen(Qt::NoPen);
            p.setBrush(Accent);
            p.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(7, 4), QPointF(2, 10)}));
        });
    }
    if (key == u"top")
        return drawn([](QPainter& p) { bar(p, 2); arrow(p, true, 5); });
    if (key == u"up")
        return drawn([](QPainter& p) { arrow(p, true, 3); });
    if (key == u"down")
        return drawn([](QPainter& p) { arrow(p, false, 13); });
    if (key == u"last")
        return drawn([](QPainter& p) { bar(p, 12); arrow(p, false, 11); });
    if (key == u"del") {
        return drawn([](QPainter& p) {
            p.setPen(QPen(QColor(200, 40, 40), 2.2));
            p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
            p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
        });
    }
    if (key == u"playpeak") {
        return drawn([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 150, 60));
            p.drawPolygon(QPolygonF({QPointF(1, 3), QPointF(8, 8), QPointF(1, 13)}));
            p.setPen(QPen(Ink, 1.4));
            p.drawPolyline(QPolygonF({QPointF(8, 13), QPointF(10, 9), QPointF(11.5, 2),
                                      QPointF(13, 9), QPointF(15, 13)}));
        });
    }
    if (key == u"play") {
        return drawn([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 150, 60));
            p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(13, 8), QPointF(4, 14)}));
        });
    }
    if (key == u"stop")
        return drawn([](QPainter& p) { p.fillRect(QRectF(3.5, 3.5, 9, 9), Ink); });
    if (key == u"AutoMute") {
        return drawn([](QPainter& p) {
            p.setPen(QPen(Ink, 1.4));
            p.drawLine(QPointF(1, 8), QPointF(5, 8));
            p.drawLine(QPointF(11, 8), QPointF(15, 8));
            p.setPen(QPen(Accent, 1.4));
            p.drawLine(QPointF(5, 4), QPointF(5, 12));
            p.drawLine(QPointF(11, 4), QPointF(11, 12));
            p.drawLine(QPointF(6, 8), QPointF(10, 8));
        });
    }
    if (key == u"Nomalize") {
        return drawn([](QPainter& p) {
            p.fillRect(QRectF(2, 8, 3, 6), Accent);
            p.fillRect(QRectF(6.5, 5, 3, 9), Accent);
            p.fillRect(QRectF(11, 8, 3, 6), Accent);
            p.setPen(QPen(QColor(200, 40, 40), 1.2, Qt::DashLine));
            p.drawLine(QPointF(1, 3.5), QPointF(15, 3.5));
        });
    }
    if (key == u"EditFadeIn")
        return drawn([](QPainter& p) { ramp(p, true); });
    if (key == u"EditFadeOut")
        return drawn([](QPainter& p) { ramp(p, false); });
    return QIcon();
}

}  // namespace icons
