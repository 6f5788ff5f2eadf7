#include "WorkProgressDialog.h"

#include "ElidedLabel.h"

WorkProgressDialog::WorkProgressDialog(const QString& objectName, const QString& caption, const QString& line,
                                       int32_t& cancelFlag, std::function<void(QWidget*)> work, QWidget* parent)
    : ProgressDialog(objectName, caption, cancelFlag, parent)
    , m_work(std::move(work))
{
    m_label->setText(line);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_timer->stop();
        runWork(m_work);
        accept();
    });
}

void WorkProgressDialog::run()
{
    m_timer->start();
    exec();
}
