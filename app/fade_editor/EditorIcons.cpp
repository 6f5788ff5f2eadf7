#include "EditorIcons.h"

#include "DrawnIcon.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace editoricons {

namespace {

using drawnicon::drawn;
using drawnicon::Accent;
using drawnicon::Ink;
using drawnicon::magnifier;

const QColor Mute(150, 150, 150);

// The editing buttons show the part of a fade they set, mirrored for the
// fade-out: a mute point (a bar at the sound's edge), a digital mute (a
// grey block of silence), a fade (a ramp) and its curve (a bent ramp).
void mutePoint(QPainter& p, bool in)
{
    const double x = in ? 10 : 6;
    p.fillRect(QRectF(in ? 1 : 7, 7, 8, 2), Mute);
    p.setPen(QPen(Accent, 2));
    p.drawLine(QPointF(x, 2), QPointF(x, 14));
}

void digitalMute(QPainter& p, bool in)
{
    p.fillRect(QRectF(in ? 1 : 8, 3, 7, 10), Mute);
    p.setPen(QPen(Ink, 1.2));
    p.drawRect(QRectF(in ? 1 : 8, 3, 7, 10));
}

void fade(QPainter& p, bool in)
{
    p.setPen(QPen(Accent, 1.8));
    if (in)
        p.drawPolyline(QPolygonF({QPointF(1, 13), QPointF(11, 3), QPointF(15, 3)}));
    else
        p.drawPolyline(QPolygonF({QPointF(1, 3), QPointF(5, 3), QPointF(15, 13)}));
}

void curve(QPainter& p, bool in)
{
    p.setPen(QPen(Accent, 1.8));
    QPainterPath path;
    if (in) {
        path.moveTo(1, 14);
        path.quadTo(13, 14, 15, 2);
    } else {
        path.moveTo(1, 2);
        path.quadTo(3, 14, 15, 14);
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

}  // namespace

QIcon toolbarIcon(const QString& key)
{
    static const QHash<QString, std::function<void(QPainter&)>> pictures = {
        {QStringLiteral("zoomin"), [](QPainter& p) { magnifier(p, true); }},
        {QStringLiteral("zoomout"), [](QPainter& p) { magnifier(p, false); }},
        {QStringLiteral("play"),
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Accent);
             p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
         }},
        {QStringLiteral("stop"), [](QPainter& p) { p.fillRect(QRectF(3, 3, 10, 10), Ink); }},
        {QStringLiteral("FadeInPre"), [](QPainter& p) { mutePoint(p, true); }},
        {QStringLiteral("FadeInDigi"), [](QPainter& p) { digitalMute(p, true); }},
        {QStringLiteral("FadeInEnd"), [](QPainter& p) { fade(p, true); }},
        {QStringLiteral("FadeInEnv"), [](QPainter& p) { curve(p, true); }},
        {QStringLiteral("FadeOutPost"), [](QPainter& p) { mutePoint(p, false); }},
        {QStringLiteral("FadeOutDigi"), [](QPainter& p) { digitalMute(p, false); }},
        {QStringLiteral("FadeOutStart"), [](QPainter& p) { fade(p, false); }},
        {QStringLiteral("FadeOutEnv"), [](QPainter& p) { curve(p, false); }},
    };
    const auto picture = pictures.constFind(key);
    return picture == pictures.constEnd() ? QIcon() : drawn(*picture);
}

}  // namespace editoricons
