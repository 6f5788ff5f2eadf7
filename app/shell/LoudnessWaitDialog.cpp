#include "LoudnessWaitDialog.h"

#include "ElidedLabel.h"

LoudnessWaitDialog::LoudnessWaitDialog(QWidget* parent)
    : ProgressDialog(QStringLiteral("fLoudness"), tr("ﾗｳﾄﾞﾈｽを測定しています"), m_cancelFlag, parent)
{
    m_label->setText(tr("全ﾄﾗｯｸのﾗｳﾄﾞﾈｽ測定が終わるのを待っています"));
    connect(m_timer, &QTimer::timeout, this, &LoudnessWaitDialog::Timer1_Timer);
}

bool LoudnessWaitDialog::Run(const std::function<bool(ProgressCallback progress)>& wait)
{
    m_cancelFlag = 0;
    m_wait = &wait;
    show();
    m_timer->start();
    m_loop.exec();
    hide();
    return m_finished;
}

void LoudnessWaitDialog::Timer1_Timer()
{
    m_timer->stop();
    runWork([this](QWidget*) { m_finished = (*m_wait)(ProgressDialog::OnProgress); });
    m_loop.quit();
}
