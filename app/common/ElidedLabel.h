// A one-line label that shows a text too long for its width with "…" in
// the middle, so that both ends (a path's folder and its file name) stay
// readable. text() keeps the whole text, and so does the tool tip.
#pragma once

#include <QLabel>

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    // One line high, and any width will do: the text is shortened to fit.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};
