// What the open and save progress dialogs share: a label naming the work, a
// progress bar, a Cancel button and the 1 ms single-shot timer Timer1 that
// starts the work once the dialog is on screen. The dialog is modal and has
// no close box; Cancel, Escape and the close request set the workflow's
// CancelFlag to 1001, which the work sees at its next progress report.
#pragma once

#include <QDialog>
#include <QTimer>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    void reject() override;

protected:
    ProgressDialog(const QString& objectName, const QString& caption, int32_t& cancelFlag, QWidget* parent);

    QLabel* m_label;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QTimer* m_timer;
    int32_t& m_cancelFlag;
};
