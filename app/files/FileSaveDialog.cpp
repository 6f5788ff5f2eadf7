#include "FileSaveDialog.h"

#include "Twips.h"
#include "welvox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

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
    : QDialog(parent)
    , m_label(new QLabel(line, this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , m_cancelFlag(cancelFlag)
    , m_work(std::move(work))
{
    setObjectName(QStringLiteral("fFileSave"));
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    m_label->setObjectName(QStringLiteral("Label1"));
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("Command1"));
    m_timer.setObjectName(QStringLiteral("Timer1"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);
    setFixedWidth(twips::toPixels(4800));

    connect(m_cancel, &QPushButton::clicked, this, &FileSaveDialog::reject);
    connect(&m_timer, &QTimer::timeout, this, &FileSaveDialog::Timer1_Timer);
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
    m_cancelFlag = ENGINE_CANCELLED;
    m_cancel->setEnabled(false);
}

void FileSaveDialog::run()
{
    m_timer.start();
    exec();
}

void FileSaveDialog::Timer1_Timer()
{
    m_timer.stop();
    runningDialog = this;
    m_work(this);
    runningDialog = nullptr;
    accept();
}
