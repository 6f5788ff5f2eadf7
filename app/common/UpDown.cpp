#include "UpDown.h"

#include "numeric_prefix.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent)
    , m_buddy(buddy)
    , m_minimum(minimum)
    , m_maximum(maximum)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const int height = buddy->sizeHint().height() / 2;
    for (const int direction : {1, -1}) {
        auto* button = new QToolButton(this);
        button->setArrowType(direction > 0 ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, height);
        connect(button, &QToolButton::clicked, this, [this, direction] { step(direction); });
        layout->addWidget(button);
    }
}

void UpDown::step(int direction)
{
    const double typed = std::floor(NumericPrefix(m_buddy->text()));
    const double current = std::clamp(typed, double(m_minimum), double(m_maximum));
    const int next = std::clamp(int(current) + direction, m_minimum, m_maximum);
    m_buddy->setText(QString::number(next));
}
