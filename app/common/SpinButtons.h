// An up and a down arrow button stacked in one widget, named "up" and
// "down". A click, repeated while the button is held, calls step with +1
// or -1; the subclass decides what a step changes.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButtons : public QWidget {
    Q_OBJECT
public:
    virtual void step(int direction) = 0;

protected:
    explicit SpinButtons(QWidget* parent);

    QToolButton* m_up;
    QToolButton* m_down;
};
