// A modal progress dialog inside which one piece of long work runs (a DDP
// image written, checked or taken; a recording read or split). Its 1 ms
// timer starts the work once the dialog is on screen; the work's progress
// callback moves the bar and lets events run, which is when a click on
// Cancel is seen: the work then stops and removes what it wrote.
#pragma once

#include "ProgressDialog.h"

#include <functional>

class WorkProgressDialog : public ProgressDialog {
    Q_OBJECT
public:
    // objectName names the dialog (fDdpImage, fSplitWrite, ...); line names
    // the work; work runs once from the timer, given the dialog as the
    // parent for its messages; then the dialog closes itself. cancelFlag is
    // the workflow's: Cancel sets it to 1001.
    WorkProgressDialog(const QString& objectName, const QString& caption, const QString& line, int32_t& cancelFlag,
                       std::function<void(QWidget*)> work, QWidget* parent);

    // Arms the timer and shows the dialog modally until the work is done.
    void run();

private:
    std::function<void(QWidget*)> m_work;
};
