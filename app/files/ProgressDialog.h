// What the open and save progress dialogs share: a label naming the work, a
// progress bar, a Cancel button and the 1 ms single-shot timer Timer1 that
// starts the work once the dialog is on screen. The dialog is modal and has
// no close box; Cancel, Escape and the close request set the workflow's
// CancelFlag to 1001, which the work sees at its next progress report.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <functional>

class ElidedLabel;
class QProgressBar;
class QPushButton;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    ~ProgressDialog() override;

    // The ProgressCallback handed to the engine while a dialog's work runs:
    // moves the bar, lets pending events run and returns CancelFlag.
    static int32_t OnProgress(int32_t percent);

    void reject() override;

protected:
    ProgressDialog(const QString& objectName, const QString& caption, int32_t& cancelFlag, QWidget* parent);

    // Runs work as this dialog's work: OnProgress reports to this dialog
    // until work returns. Work gets the dialog as the parent for messages.
    void runWork(const std::function<void(QWidget*)>& work);

    ElidedLabel* m_label;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int32_t& m_cancelFlag;

private:
    QElapsedTimer m_sinceEvents;  // since the last report that let events run
};
