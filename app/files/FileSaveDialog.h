// fFileSave: the modal progress dialog inside which one track is saved. Its
// 1 ms timer starts the work once the dialog is on screen; the work's
// progress callback moves the bar and lets events run, which is when a
// click on Cancel is seen. Cancel cannot stop FileSave: the track being
// saved is finished, and the batch stops after it.
#pragma once

#include "ProgressDialog.h"

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

    // Arms the timer and shows the dialog modally until the work is done.
    void run();

    // Cancel, Escape and the close box: CancelFlag 1001 and Cancel disabled.
    // The dialog closes when the work has returned.
    void reject() override;

private:
    void Timer1_Timer();

    std::function<void(QWidget*)> m_work;
};
