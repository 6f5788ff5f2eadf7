#include "ValueUpDown.h"

#include <QToolButton>

#include <algorithm>

ValueUpDown::ValueUpDown(int minimum, int maximum, QWidget* parent)
    : SpinButtons(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_value(minimum)
{
    // The buttons share whatever height the control is given.
    m_up->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_down->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ValueUpDown::setValue(int value)
{
    const int limited = std::clamp(value, m_minimum, m_maximum);
    if (limited == m_value)
        return;
    m_value = limited;
    emit Change();
}

void ValueUpDown::step(int direction)
{
    setValue(m_value + direction);
}
