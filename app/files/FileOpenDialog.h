// fFileOpen: the modal progress dialog inside which files are analysed. For
// each file its 1 ms timer starts the work once the dialog is on screen; the
// work's progress callback moves the bar and lets events run, which is when
// a click on Cancel takes effect. The dialog stays up for a whole batch of
// files, so that a batch does not flash one window per file.
#pragma once

#include "ProgressDialog.h"

#include <QEventLoop>

#include <functional>

class FileOpenDialog : public ProgressDialog {
    Q_OBJECT
public:
    // cancelFlag is the workflow's CancelFlag: Cancel sets it to 1001.
    FileOpenDialog(int32_t& cancelFlag, QWidget* parent);

    // Shows line, arms the timer and keeps the dialog up, modal, until work
    // has run. work gets the dialog as the parent for its messages.
    void run(const QString& line, const std::function<void(QWidget*)>& work);

private:
    void Timer1_Timer();

    const std::function<void(QWidget*)>* m_work = nullptr;
    QEventLoop m_loop;
};
