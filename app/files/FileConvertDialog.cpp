#include "FileConvertDialog.h"

#include <QLabel>

FileConvertDialog::FileConvertDialog(const QString& line, int32_t& cancelFlag, std::function<void(QWidget*)> work,
                                     QWidget* parent)
    : ProgressDialog(QStringLiteral("fFileConvert"), tr("ﾌｧｲﾙを変換しています"), cancelFlag, parent)
    , m_work(std::move(work))
{
    m_label->setText(line);
    connect(m_timer, &QTimer::timeout, this, &FileConvertDialog::Timer1_Timer);
}

void FileConvertDialog::run()
{
    m_timer->start();
    exec();
}

void FileConvertDialog::Timer1_Timer()
{
    m_timer->stop();
    runWork(m_work);
    accept();
}
