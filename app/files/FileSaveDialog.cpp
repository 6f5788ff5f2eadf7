#include "FileSaveDialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

// FileSave's progress callback takes no user data, so the dialog whose work
// is running is kept here. Only the user-interface thread touches it, and
// only one modal save dialog runs at a time.
FileSaveDialog* runningDialog = nullptr;

// The shortest time between two new values of the progress bar, in ms.
constexpr qint64 ProgressInterval = 40;

}  // namespace

FileSaveDialog::FileSaveDialog(const QString& caption, const QString& line, int32_t& cancelFlag,
                               std::function<void(QWidget*)> work, QWidget* parent)
    : ProgressDialog(QStringLiteral("fFileSave"), caption, cancelFlag, parent)
    , m_work(std::move(work))
{
    m_label->setText(line);
    connect(m_timer, &QTimer::timeout, this, &FileSaveDialog::Timer1_Timer);
}

FileSaveDialog::~FileSaveDialog()
{
    if (runningDialog == this)
        runningDialog = nullptr;
}

int32_t FileSaveDialog::OnSaveProgress(int32_t percent)
{
    if (runningDialog == nullptr)
        return 0;
    // QProgressBar repaints at once on every new value, which costs more than
    // rendering a block from the page cache; a screen needs no more than a
    // few dozen new values a second.
    if (!runningDialog->m_sinceBarMoved.isValid() || runningDialog->m_sinceBarMoved.elapsed() >= ProgressInterval) {
        runningDialog->m_progress->setValue(percent);
        runningDialog->m_sinceBarMoved.restart();
    }
    QApplication::processEvents();
    return runningDialog->m_cancelFlag;
}

void FileSaveDialog::reject()
{
    ProgressDialog::reject();
    m_cancel->setEnabled(false);
}

void FileSaveDialog::run()
{
    m_timer->start();
    exec();
}

void FileSaveDialog::Timer1_Timer()
{
    m_timer->stop();
    runningDialog = this;
    m_work(this);
    runningDialog = nullptr;
    accept();
}
