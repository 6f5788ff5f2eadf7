#include "Mp3DecodeDialog.h"

#include "DecodeMessages.h"
#include "ElidedLabel.h"
#include "ProgramTitle.h"
#include "Prompts.h"
#include "listed_files.h"
#include "welvox.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace {

constexpr int ProgressIntervalMs = 1000;
// The library's state is one atomic read: asking often costs nothing and
// ends each decode within this many milliseconds of its end.
constexpr int EndPollMs = 5;

}  // namespace

Mp3DecodeDialog::Mp3DecodeDialog(const PlayList& list, Prompts& prompts, const QStringList& libraryFiles,
                                 int32_t& cancelFlag, QWidget* parent)
    : ProgressDialog(QStringLiteral("fMP3Decode"), tr("MP3ﾌｧｲﾙをﾃﾞｺｰﾄﾞしています"), cancelFlag, parent)
    , m_list(list)
    , m_prompts(prompts)
    , m_label2(new ElidedLabel(this))
    , m_endPoll(new QTimer(this))
    , m_session(libraryFiles)
{
    m_label2->setObjectName(QStringLiteral("Label2"));
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, m_label2);
    m_timer->setSingleShot(false);
    m_timer->setInterval(ProgressIntervalMs);
    m_endPoll->setInterval(EndPollMs);
    connect(m_timer, &QTimer::timeout, this, &Mp3DecodeDialog::Timer1_Timer);
    connect(m_endPoll, &QTimer::timeout, this, &Mp3DecodeDialog::pollEnd);
}

void Mp3DecodeDialog::Ini(const QString& FileName, const QString& FileTitle, const QString& SaveFileName)
{
    m_label->setText(decodemessages::decoding(FileTitle));
    m_label2->setText(decodemessages::destination(SaveFileName));
    m_cancelFlag = 0;
    if (ListHoldsFile(m_list, SaveFileName)) {
        m_cancelFlag = AlreadyInList;
        return;
    }
    const Mp3DecodeSession::Start started = m_session.start(FileName, SaveFileName);
    if (started == Mp3DecodeSession::Start::LibraryFailed)
        m_prompts.message(parentWidget(), m_session.errorText(), ProgramTitle(), Prompts::Buttons::Ok);
    m_cancelFlag = int32_t(started);
    if (started == Mp3DecodeSession::Start::Started) {
        m_timer->start();
        m_endPoll->start();
    }
}

void Mp3DecodeDialog::run()
{
    exec();
}

void Mp3DecodeDialog::Timer1_Timer()
{
    int percent = 0;
    if (m_session.running(&percent) && m_cancelFlag != ENGINE_CANCELLED)
        m_progress->setValue(percent);
    else
        endDecoding();
}

void Mp3DecodeDialog::pollEnd()
{
    if (!m_session.running(nullptr) || m_cancelFlag == ENGINE_CANCELLED)
        endDecoding();
}

void Mp3DecodeDialog::endDecoding()
{
    m_timer->stop();
    m_endPoll->stop();
    switch (m_session.finish(m_cancelFlag == ENGINE_CANCELLED)) {
    case Mp3DecodeSession::End::Complete:
    case Mp3DecodeSession::End::Cancelled:
        break;
    case Mp3DecodeSession::End::DiskFull:
        m_prompts.message(this, decodemessages::diskFull(), ProgramTitle(), Prompts::Buttons::Ok);
        m_cancelFlag = ENGINE_CANCELLED;
        break;
    case Mp3DecodeSession::End::RenameFailed:
        m_prompts.message(this, m_session.errorText(), ProgramTitle(), Prompts::Buttons::Ok);
        m_cancelFlag = ENGINE_CANCELLED;
        break;
    }
    accept();
}
