#include "WriteDialog.h"

#include "Twips.h"
#include "burn_command.h"
#include "burn_messages.h"
#include "copies_sequence.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int MaximumCopies = 99;
constexpr int KeptMessageLines = 200;

template <typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

WriteDialog::WriteDialog(CopiesSequence& sequence, qint64 discFrames, const QString& notes, PrepareJob prepareJob,
                         QWidget* parent)
    : QDialog(parent)
    , m_sequence(sequence)
    , m_discFrames(discFrames)
    , m_prepareJob(std::move(prepareJob))
{
    setObjectName(QStringLiteral("fWrite"));
    setWindowTitle(burnmessages::caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls(notes);
    buildLayout();

    connect(&m_sequence, &CopiesSequence::DrivesFound, this, &WriteDialog::showDrives);
    connect(&m_sequence, &CopiesSequence::MediumFound, this, &WriteDialog::showMedium);
    connect(&m_sequence, &CopiesSequence::CopyStarted, this, &WriteDialog::showCopy);
    connect(&m_sequence, &CopiesSequence::Progress, this, &WriteDialog::showProgress);
    connect(&m_sequence, &CopiesSequence::Fixating, this, [this] { m_written->setText(burnmessages::fixating()); });
    connect(&m_sequence, &CopiesSequence::BurnerMessage, this, &WriteDialog::showMessage);
    connect(&m_sequence, &CopiesSequence::Finished, this, &WriteDialog::refreshControls);
    connect(m_rescan, &QPushButton::clicked, this, [this] {
        m_sequence.ScanDrives();
        refreshControls();
    });
    connect(m_write, &QPushButton::clicked, this, &WriteDialog::startWrite);
    connect(m_close, &QPushButton::clicked, this, &WriteDialog::reject);
    // The first look for drives runs once the dialog is up, so that a message
    // about it (no burner, no drive) shows over the dialog.
    QTimer::singleShot(0, this, [this] {
        m_sequence.ScanDrives();
        refreshControls();
    });
    refreshControls();
}

void WriteDialog::buildControls(const QString& notes)
{
    m_drive = named(new QComboBox(this), "cboDrive");
    m_rescan = named(new QPushButton(tr("再検索"), this), "cmdRescan");
    m_speed = named(new QComboBox(this), "cboSpeed");
    m_speed->addItem(burnmessages::highestSpeed(), 0);
    for (const int speed : CdSpeeds())
        m_speed->addItem(burnmessages::speedChoice(speed), speed);
    m_simulate = named(new QCheckBox(tr("書き込みﾃｽﾄ"), this), "chkSimulate");
    m_eject = named(new QCheckBox(tr("書き込み後にﾃﾞｨｽｸを取り出す"), this), "chkEject");
    m_copies = named(new QSpinBox(this), "txtCopies");
    m_copies->setRange(1, MaximumCopies);
    m_notes = named(new QLabel(notes, this), "lblNotes");
    m_notes->setWordWrap(true);
    m_capacity = named(new QLabel(this), "lblCapacity");
    m_discBar = named(new QProgressBar(this), "prgDisc");
    m_copiesBar = named(new QProgressBar(this), "prgCopies");
    m_written = named(new QLabel(this), "lblWritten");
    m_buffer = named(new QLabel(this), "lblBuffer");
    m_rate = named(new QLabel(this), "lblSpeed");
    m_messages = named(new QPlainTextEdit(this), "txtMessages");
    m_messages->setReadOnly(true);
    m_messages->setMaximumBlockCount(KeptMessageLines);
    m_write = named(new QPushButton(tr("書き込み開始"), this), "cmdWrite");
    m_close = named(new QPushButton(this), "cmdClose");
}

void WriteDialog::buildLayout()
{
    auto* driveRow = new QHBoxLayout;
    driveRow->addWidget(m_drive, 1);
    driveRow->addWidget(m_rescan);
    auto* fields = new QFormLayout;
    fields->addRow(tr("ﾄﾞﾗｲﾌﾞ:"), driveRow);
    fields->addRow(tr("速度:"), m_speed);
    fields->addRow(tr("部数:"), m_copies);
    fields->addRow(m_simulate);
    fields->addRow(m_eject);
    auto* progress = new QFormLayout;
    progress->addRow(tr("ﾃﾞｨｽｸ:"), m_discBar);
    progress->addRow(tr("部数:"), m_copiesBar);
    auto* figures = new QHBoxLayout;
    figures->addWidget(m_written, 1);
    figures->addWidget(m_buffer, 1);
    figures->addWidget(m_rate, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_write);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_notes);
    layout->addWidget(m_capacity);
    layout->addLayout(progress);
    layout->addLayout(figures);
    layout->addWidget(m_messages, 1);
    layout->addLayout(buttons);
    resize(twips::toPixels(7500), twips::toPixels(7000));
    m_capacity->setText(burnmessages::totalTime(m_discFrames));
}

void WriteDialog::reject()
{
    if (m_sequence.Active())
        m_sequence.Cancel();
    else
        QDialog::reject();
}

void WriteDialog::showDrives(const QList<BurnerDrive>& drives)
{
    m_drive->clear();
    for (const BurnerDrive& drive : drives)
        m_drive->addItem(drive.vendor + u' ' + drive.model + QStringLiteral(" (") + drive.device + u')', drive.device);
    refreshControls();
}

void WriteDialog::showMedium(const BurnerMedium& medium)
{
    if (medium.capacityFrames > 0)
        m_capacity->setText(burnmessages::timeAgainstCapacity(m_discFrames, medium.capacityFrames));
}

void WriteDialog::showCopy(int copy, int copies)
{
    m_discProgress.emplace(m_discFrames);
    m_discBar->setRange(0, m_discProgress->totalMb());
    m_discBar->setValue(0);
    m_copiesBar->setRange(0, copies);
    m_copiesBar->setValue(copy - 1);
    m_copiesBar->setFormat(burnmessages::copyLine(copy, copies));
}

void WriteDialog::showProgress(const BurnProgress& progress)
{
    if (!m_discProgress)
        return;
    m_discBar->setValue(m_discProgress->writtenAfter(progress));
    m_written->setText(burnmessages::writtenLine(progress));
    m_buffer->setText(burnmessages::bufferLine(progress));
    m_rate->setText(burnmessages::speedLine(progress));
}

void WriteDialog::showMessage(const QString& line)
{
    m_messages->appendPlainText(line);
}

void WriteDialog::startWrite()
{
    BurnSettings settings;
    settings.device = m_drive->currentData().toString();
    settings.speed = m_speed->currentData().toInt();
    settings.simulate = m_simulate->isChecked();
    settings.eject = m_eject->isChecked();
    settings.copies = m_copies->value();
    const std::optional<BurnJob> job = m_prepareJob();
    if (!job)
        return;
    m_discFrames = job->discFrames;
    m_messages->clear();
    m_sequence.Start(*job, settings);
    refreshControls();
}

void WriteDialog::refreshControls()
{
    const bool active = m_sequence.Active();
    const bool idle = !active && !m_sequence.Scanning();
    for (QWidget* control : std::initializer_list<QWidget*>{m_drive, m_rescan, m_speed, m_simulate, m_eject, m_copies})
        control->setEnabled(idle);
    m_write->setEnabled(idle && m_drive->count() > 0);
    m_close->setText(active ? tr("中止") : tr("閉じる"));
}
