// fFileOpen: the modal progress dialog inside which one file is analysed.
// Its 1 ms timer starts the work once the dialog is on screen; the work's
// progress callback moves the bar and lets events run, which is when a click
// on Cancel takes effect.
#pragma once

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

class FileOpenDialog : public QDialog {
    Q_OBJECT
public:
    // work runs once from the timer, given the dialog as the parent for its
    // messages; then the dialog closes itself. cancelFlag
    // is the workflow's CancelFlag: Cancel sets it to 1001.
    FileOpenDialog(const QString& line, int32_t& cancelFlag, std::function<void(QWidget*)> work, QWidget* parent);
    ~FileOpenDialog() override;

    // The ProgressCallback handed to the engine while this dialog's work
    // runs: sets the bar, lets pending events run and returns CancelFlag.
    static int32_t OnOpenProgress(int32_t percent);

    // Arms the timer and shows the dialog modally until the work is done.
    void run();

    // Cancel, Escape and the close box all ask the engine to stop; the dialog
    // closes when the work has returned.
    void reject() override;

private:
    void Timer1_Timer();

    QLabel* m_label;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int32_t& m_cancelFlag;
    std::function<void(QWidget*)> m_work;
};
