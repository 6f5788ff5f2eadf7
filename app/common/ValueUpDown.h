// Spin buttons without a text box: they hold a whole number within a range
// and step it by one per click. Change is emitted whenever the value
// changes, whether by a click or by setValue.
#pragma once

#include "SpinButtons.h"

class ValueUpDown : public SpinButtons {
    Q_OBJECT
public:
    ValueUpDown(int minimum, int maximum, QWidget* parent = nullptr);

    int value() const { return m_value; }
    // Limits value to the range first.
    void setValue(int value);
    // One step up (+1) or down (-1); nothing happens at the end of the range.
    void step(int direction) override;

signals:
    void Change();

private:
    int m_minimum;
    int m_maximum;
    int m_value;
};
