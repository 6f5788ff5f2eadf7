#include "ElidedLabel.h"

#include <QPainter>

ElidedLabel::ElidedLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ElidedLabel::setText(const QString& text)
{
    QLabel::setText(text);
    setToolTip(text);
}

QSize ElidedLabel::minimumSizeHint() const
{
    return sizeHint();
}

// One line high, whatever the text (an empty one too).
QSize ElidedLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    return {0, fontMetrics().height() + margins.top() + margins.bottom() + 2 * margin()};
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width());
    painter.drawText(area, int(alignment()) | Qt::TextSingleLine, shown);
}
