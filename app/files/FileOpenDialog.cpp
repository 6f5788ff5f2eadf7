#include "FileOpenDialog.h"

#include "Twips.h"
#include "welvox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The engine's progress callback takes no user data, so the dialog whose
// work is running is kept here. Only the user-interface thread touches it,
// and only one modal open dialog runs at a time.
FileOpenDialog* runningDialog = nullptr;

constexpr qint64 EventIntervalMs = 15;

}  // namespace

FileOpenDialog::FileOpenDialog(int32_t& cancelFlag, QWidget* parent)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , m_timer(new QTimer(this))
    , m_cancelFlag(cancelFlag)
{
    setObjectName(QStringLiteral("fFileOpen"));
    setWindowTitle(QStringLiteral("ﾌｧｲﾙを開いています"));
    setWindowModality(Qt::ApplicationModal);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    setFixedWidth(twips::toPixels(4800));

    connect(m_cancel, &QPushButton::clicked, this, &FileOpenDialog::reject);
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

void FileOpenDialog::reject()
{
    m_cancelFlag = ENGINE_CANCELLED;
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
