// fFileConvert: the modal progress dialog inside which a file is converted
// for the list. Its 1 ms timer starts the work once the dialog is on screen;
// the work's progress callback moves the bar and lets events run, which is
// when a click on Cancel is seen, between blocks of a few milliseconds.
#pragma once

#include "ProgressDialog.h"

#include <functional>

class FileConvertDialog : public ProgressDialog {
    Q_OBJECT
public:
    // line names the file. work runs once from the timer, given the dialog
    // as the parent for its messages; then the dialog closes itself.
    // cancelFlag is the workflow's CancelFlag: Cancel sets it to 1001.
    FileConvertDialog(const QString& line, int32_t& cancelFlag, std::function<void(QWidget*)> work,
                      QWidget* parent);

    // Arms the timer and shows the dialog modally until the work is done.
    void run();

private:
    void Timer1_Timer();

    std::function<void(QWidget*)> m_work;
};
