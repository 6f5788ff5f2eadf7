// fLoudness: the modal progress dialog behind which the command that matches
// all levels by loudness waits for the measurements still under way. Its
// 1 ms timer starts the wait once the dialog is on screen; Cancel ends the
// wait, and the command then changes nothing.
#pragma once

#include "ProgressDialog.h"

#include <QEventLoop>

#include <functional>

class LoudnessWaitDialog : public ProgressDialog {
    Q_OBJECT
public:
    explicit LoudnessWaitDialog(QWidget* parent);

    // Shows the dialog and runs wait, which reports through OnProgress, until
    // it returns. False when it was cancelled.
    bool run(const std::function<bool()>& wait);

private:
    void Timer1_Timer();

    int32_t m_cancelFlag = 0;
    const std::function<bool()>* m_wait = nullptr;
    bool m_finished = false;
    QEventLoop m_loop;
};
