// The shared drawing surface of the drawing windows (play bar, waveform
// view, curve previews). Callers draw in twips, with the origin at the top
// left of the inner area and y growing downwards; 15 twips make one pixel.
// Everything is drawn into an off-screen image and the widget paints from
// that image, so a picture survives being covered, hidden or repainted.
//
// Two drawing modes: CopyPen puts the colour down; Invert flips every pixel
// it touches (each colour channel becomes 255 minus itself) and ignores the
// colour, so drawing the same thing twice in Invert mode restores the
// picture exactly. Moving markers are drawn that way. Drawing is never
// antialiased, for the same reason.
//
// Use from the user-interface thread only.
#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>

class PictureBox : public QFrame {
    Q_OBJECT
public:
    enum class DrawMode { CopyPen, Invert };

    explicit PictureBox(QWidget* parent = nullptr);

    DrawMode drawMode() const { return m_drawMode; }
    void setDrawMode(DrawMode mode) { m_drawMode = mode; }
    // The colour of clear() and of newly uncovered area after a resize.
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color) { m_backColor = color; }
    // The colour of text, and of lines and points drawn without one.
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }

    // The inner area's size in twips.
    int scaleWidth() const;
    int scaleHeight() const;

    // Fills the whole picture with the back colour.
    void clear();
    // A line between two points, both ends included.
    void line(double x1, double y1, double x2, double y2);
    void line(double x1, double y1, double x2, double y2, const QColor& color);
    // The outline of the rectangle with the two corners given.
    void box(double x1, double y1, double x2, double y2, const QColor& color);
    // The rectangle with the two corners given, filled, edges included.
    void filledBox(double x1, double y1, double x2, double y2, const QColor& color);
    // One pixel.
    void point(double x, double y);
    void point(double x, double y, const QColor& color);
    // text in the widget's font and the fore colour, its top left at (x, y).
    void text(double x, double y, const QString& text);
    // The same, cut off at x = right (nothing of it from there on).
    void text(double x, double y, const QString& text, double right);
    // How wide text() draws text, in twips.
    double textWidth(const QString& text) const;

    // What the widget shows, one image pixel per screen pixel.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Gives the image the inner area's size, keeping what it shows.
    void fitImage();
    // Runs draw with a painter set up for the current mode and repaints.
    template <typename Draw>
    void paintWith(const QColor& color, Draw draw);

    QImage m_image;
    DrawMode m_drawMode = DrawMode::CopyPen;
    QColor m_backColor = Qt::white;
    QColor m_foreColor = Qt::black;
};
