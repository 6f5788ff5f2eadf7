#include "UpDown.h"

#include "numeric_prefix.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>
#include <cmath>

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : SpinButtons(parent)
    , m_buddy(buddy)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    // Together the two buttons are as high as the box beside them.
    const int height = buddy->sizeHint().height() / 2;
    m_up->setFixedSize(16, height);
    m_down->setFixedSize(16, height);
}

void UpDown::step(int direction)
{
    const double typed = std::floor(NumericPrefix(m_buddy->text()));
    const double current = std::clamp(typed, double(m_minimum), double(m_maximum));
    const int next = std::clamp(int(current) + direction, m_minimum, m_maximum);
    m_buddy->setText(QString::number(next));
}
