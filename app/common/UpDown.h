// Spin buttons bound to a text box: each click steps the number in the box
// by one within the range and writes it back. The box itself accepts any
// typed text; only stepping keeps to the range.
#pragma once

#include "SpinButtons.h"

class QLineEdit;

class UpDown : public SpinButtons {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // One step up (+1) or down (-1) from the number at the start of the box.
    void step(int direction) override;

private:
    QLineEdit* m_buddy;
    int m_minimum;
    int m_maximum;
};
