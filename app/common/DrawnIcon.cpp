#include "DrawnIcon.h"

#include <QPainter>
#include <QPixmap>

namespace drawnicon {

QIcon drawn(const std::function<void(QPainter&)>& draw)
{
    constexpr int size = 16;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

void magnifier(QPainter& painter, bool plus)
{
    painter.setPen(QPen(Ink, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(2, 2, 9, 9));
    painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    painter.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
    if (plus)
        painter.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
}

}  // namespace drawnicon
