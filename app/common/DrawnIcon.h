// Toolbar pictures drawn at run time, so that no image files need to be
// shipped: every window's buttons share one 16-pixel canvas and one palette.
#pragma once

#include <QColor>
#include <QIcon>

#include <functional>

class QPainter;

namespace drawnicon {

inline const QColor Ink(40, 40, 40);
inline const QColor Accent(30, 90, 200);

// A 16 × 16 icon that draw paints on a transparent, antialiased canvas.
QIcon drawn(const std::function<void(QPainter&)>& draw);
// The zoom buttons' magnifier, with a plus sign for zooming in.
void magnifier(QPainter& painter, bool plus);

}  // namespace drawnicon
