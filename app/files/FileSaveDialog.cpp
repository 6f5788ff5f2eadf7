#include "FileSaveDialog.h"

#include "ElidedLabel.h"

#include <QPushButton>

FileSaveDialog::FileSaveDialog(const QString& caption, const QString& line, int32_t& cancelFlag,
                               std::function<void(QWidget*)> work, QWidget* parent)
    : ProgressDialog(QStringLiteral("fFileSave"), caption, cancelFlag, parent)
    , m_work(std::move(work))
{
    m_label->setText(line);
    connect(m_timer, &QTimer::timeout, this, &FileSaveDialog::Timer1_Timer);
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
    runWork(m_work);
    accept();
}
