#include "ValueUpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

ValueUpDown::ValueUpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_value(minimum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const int direction : {1, -1}) {
        auto* button = new QToolButton(this);
        button->setObjectName(direction > 0 ? QStringLiteral("up") : QStringLiteral("down"));
        button->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, direction] { step(direction); });
        layout->addWidget(button);
    }
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
