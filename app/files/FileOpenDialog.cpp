#include "FileOpenDialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>

namespace {

// The engine's progress callback takes no user data, so the dialog whose
// work is running is kept here. Only the user-interface thread touches it,
// and only one modal open dialog runs at a time.
FileOpenDialog* runningDialog = nullptr;

constexpr qint64 EventIntervalMs = 15;

}  // namespace

FileOpenDialog::FileOpenDialog(int32_t& cancelFlag, QWidget* parent)
    : ProgressDialog(QStringLiteral("fFileOpen"), QStringLiteral("ﾌｧｲﾙを開いています"), cancelFlag, parent)
{
    connect(m_timer, &QTimer::timeout, this, &FileOpenDialog::Timer1_Timer);
}

FileOpenDialog::~FileOpenDialog()
{
    if (runningDialog == this)
        runningDialog = nullptr;
}

int32_t FileOpenDialog::OnOpenProgress(int32_t percent)
{
    if (runningDialog == nullptr)
        return 0;
    // The engine reports every 32,768 samples, hundreds of times a second.
    // Pending events run at most every few milliseconds: often enough for
    // the bar to move and for Cancel to take effect at once, rarely enough
    // that the dialog costs the analysis little.
    if (runningDialog->m_sinceEvents.isValid() && runningDialog->m_sinceEvents.elapsed() < EventIntervalMs)
        return runningDialog->m_cancelFlag;
    runningDialog->m_progress->setValue(percent);
    QApplication::processEvents();
    runningDialog->m_sinceEvents.start();
    return runningDialog->m_cancelFlag;
}

void FileOpenDialog::run(const QString& line, const std::function<void(QWidget*)>& work)
{
    m_label->setText(line);
    m_progress->setValue(0);
    m_work = &work;
    show();
    m_timer->start();
    m_loop.exec();
}

void FileOpenDialog::Timer1_Timer()
{
    m_timer->stop();
    runningDialog = this;
    m_sinceEvents.invalidate();
    (*m_work)(this);
    runningDialog = nullptr;
    m_loop.quit();
}
