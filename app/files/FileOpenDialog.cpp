#include "FileOpenDialog.h"

#include <QLabel>
#include <QProgressBar>

FileOpenDialog::FileOpenDialog(int32_t& cancelFlag, QWidget* parent)
    : ProgressDialog(QStringLiteral("fFileOpen"), tr("ﾌｧｲﾙを開いています"), cancelFlag, parent)
{
    connect(m_timer, &QTimer::timeout, this, &FileOpenDialog::Timer1_Timer);
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
    runWork(*m_work);
    m_loop.quit();
}
