// fLoudness: the modal progress dialog behind which the command that matches
// all levels by loudness waits for the measurements still under way. Its
// 1 ms timer starts the wait once the dialog is on screen; Cancel ends the
// wait, and the command then changes nothing.
#pragma once

#include "ProgressDialog.h"
#include "loudness_wait.h"

#include <QEventLoop>

class LoudnessWaitDialog : public ProgressDialog, public LoudnessWait {
    Q_OBJECT
public:
    explicit LoudnessWaitDialog(QWidget* parent);

    // Shows the dialog until wait, which reports through OnProgress, returns.
    bool Run(const std::function<bool(ProgressCallback progress)>& wait) override;

private:
    void Timer1_Timer();

    int32_t m_cancelFlag = 0;
    const std::function<bool(ProgressCallback)>* m_wait = nullptr;
    bool m_finished = false;
    QEventLoop m_loop;
};
