// The small drawing of a fade curve that the settings dialog and the
// envelope dialogs show beside an exponent. The geometry is in twips of a
// 975 x 615 twips picture: two axes and 54 single points of the curve.
#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>

class PictureBox;

class CurvePreview {
public:
    // The fade-in curve: the gain (i/800)^e rising from the vertical axis at
    // x = 75 to the right. exponentTenths is the exponent e times ten.
    static CurvePreview fadeIn(int exponentTenths);
    // The fade-out curve: the gain ((800-i)/800)^e falling towards the
    // vertical axis at x = 800, the mirror image of the fade-in curve.
    static CurvePreview fadeOut(int exponentTenths);

    const QLineF& verticalAxis() const { return m_verticalAxis; }
    const QLineF& horizontalAxis() const { return m_horizontalAxis; }
    const QList<QPointF>& points() const { return m_points; }

    // Clears the picture and draws the axes and the points in black.
    void drawOn(PictureBox& picture) const;

private:
    CurvePreview(const QLineF& verticalAxis, QList<QPointF> points);

    QLineF m_verticalAxis;
    QLineF m_horizontalAxis;
    QList<QPointF> m_points;
};
