// fFileSave: the modal progress dialog inside which one track is saved. Its
// 1 ms timer starts the work once the dialog is on screen; the work's
// progress callback moves the bar and lets events run, which is when a
// click on Cancel is seen. Cancel cannot stop FileSave: the track being
// saved is finished, and the batch stops after it.
#pragma once

#include "ProgressDialog.h"

#include <QElapsedTimer>

#include <functional>

class FileSaveDialog : public ProgressDialog {
    Q_OBJECT
public:
    // caption is one of the two save captions, line names the track. work
    // runs once from the timer, given the dialog as the parent for its
    // messages; then the dialog closes itself. cancelFlag is the workflow's
    // CancelFlag: Cancel sets it to 1001.
    FileSaveDialog(const QString& caption, const QString& line, int32_t& cancelFlag,
                   std::function<void(QWidget*)> work, QWidget* parent);
    ~FileSaveDialog() override;

    // The ProgressCallback handed to FileSave while this dialog's work runs:
    // sets the bar (at most 25 times a second), lets pending events run and
    // returns CancelFlag.
    static int32_t OnSaveProgress(int32_t percent);

    // Arms the timer and shows the dialog modally until the work is done.
    void run();

    // Cancel, Escape and the close box: CancelFlag 1001 and Cancel disabled.
    // The dialog closes when the work has returned.
    void reject() override;

private:
    void Timer1_Timer();

    QElapsedTimer m_sinceBarMoved;  // since the bar last took a new value
    std::function<void(QWidget*)> m_work;
};
