#include "ProgressDialog.h"

#include "Twips.h"
#include "welvox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressDialog::ProgressDialog(const QString& objectName, const QString& caption, int32_t& cancelFlag,
                               QWidget* parent)
    : QDialog(parent)
    , m_label(new QLabel(this))
    , m_progress(new QProgressBar(this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
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

void ProgressDialog::reject()
{
    m_cancelFlag = ENGINE_CANCELLED;
}
