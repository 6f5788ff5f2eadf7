#include "CurvePreview.h"

#include "PictureBox.h"

#include <cmath>

namespace {

// The curve is sampled every 15 twips (one pixel) over 800 twips.
constexpr int Width = 800;
constexpr int Step = 15;
// Full gain is drawn at y = 50, zero gain at y = 450 on the horizontal axis.
constexpr double Top = 50;
constexpr double Range = 400;

double heightOf(double gainBase, double exponent)
{
    return (1.0 - std::pow(gainBase, exponent)) * Range + Top;
}

}  // namespace

CurvePreview::CurvePreview(const QLineF& verticalAxis, QList<QPointF> points)
    : m_verticalAxis(verticalAxis)
    , m_horizontalAxis(0, 450, 930, 450)
    , m_points(std::move(points))
{
}

CurvePreview CurvePreview::fadeIn(int exponentTenths)
{
    const double exponent = exponentTenths / 10.0;
    QList<QPointF> points;
    for (int i = 0; i <= Width; i += Step)
        points.append(QPointF(i + 75, heightOf(double(i) / Width, exponent)));
    return CurvePreview(QLineF(75, 0, 75, 530), std::move(points));
}

CurvePreview CurvePreview::fadeOut(int exponentTenths)
{
    const double exponent = exponentTenths / 10.0;
    QList<QPointF> points;
    for (int i = 0; i <= Width; i += Step)
        points.append(QPointF(i, heightOf(double(Width - i) / Width, exponent)));
    return CurvePreview(QLineF(800, 0, 800, 530), std::move(points));
}

void CurvePreview::drawOn(PictureBox& picture) const
{
    picture.setDrawMode(PictureBox::DrawMode::CopyPen);
    picture.clear();
    for (const QLineF& axis : {m_verticalAxis, m_horizontalAxis})
        picture.line(axis.x1(), axis.y1(), axis.x2(), axis.y2(), Qt::black);
    for (const QPointF& at : m_points)
        picture.point(at.x(), at.y(), Qt::black);
}
