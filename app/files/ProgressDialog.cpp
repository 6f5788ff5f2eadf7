#include "ProgressDialog.h"

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
// and only one modal progress dialog runs its work at a time.
ProgressDialog* runningDialog = nullptr;

// The engine reports every 32,768 samples, hundreds of times a second.
// Pending events run, and the bar moves, at most this often (ms): often
// enough for the bar to move smoothly and for Cancel to take effect at once,
// rarely enough that repainting costs the work little.
constexpr qint64 EventIntervalMs = 15;

}  // namespace

ProgressDialog::ProgressDialog(const QString& objectName, const QString& caption, int32_t& cancelFlag,
                               QWidget* parent)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_timer(new QTimer(this))
    , m_cancelFlag(cancelFlag)
{
    setObjectName(objectName);
    setWindowTitle(caption);
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

    connect(m_cancel, &QPushButton::clicked, this, &ProgressDialog::reject);
}

ProgressDialog::~ProgressDialog()
{
    if (runningDialog == this)
        runningDialog = nullptr;
}

int32_t ProgressDialog::OnProgress(int32_t percent)
{
    if (runningDialog == nullptr)
        return 0;
    if (runningDialog->m_sinceEvents.isValid() && runningDialog->m_sinceEvents.elapsed() < EventIntervalMs)
        return runningDialog->m_cancelFlag;
    runningDialog->m_progress->setValue(percent);
    QApplication::processEvents();
    runningDialog->m_sinceEvents.start();
    return runningDialog->m_cancelFlag;
}

void ProgressDialog::runWork(const std::function<void(QWidget*)>& work)
{
    runningDialog = this;
    m_sinceEvents.invalidate();
    work(this);
    runningDialog = nullptr;
}

void ProgressDialog::reject()
{
    m_cancelFlag = ENGINE_CANCELLED;
}
