#include "copies_sequence.h"

#include "burn_command.h"
#include "burn_messages.h"
#include "Prompts.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace {

constexpr char CdTextName[] = "/disc.cdt";

}  // namespace

CopiesSequence::CopiesSequence(Prompts& prompts, QWidget* parent, DriveNodes nodes)
    : m_prompts(prompts)
    , m_parent(parent)
    , m_nodes(std::move(nodes))
{
    connect(&m_process, &BurnerProcess::OutputLine, this, &CopiesSequence::line);
    connect(&m_process, &BurnerProcess::Ended, this, &CopiesSequence::ended);
    connect(&m_process, &BurnerProcess::NotInstalled, this, &CopiesSequence::notInstalled);
}

void CopiesSequence::ScanDrives()
{
    if (m_run == Run::None && !m_stopped)
        run(Run::Scan, DevicesArguments());
}

void CopiesSequence::Start(const BurnJob& job, const BurnSettings& settings)
{
    if (m_active || m_run != Run::None || m_stopped)
        return;
    m_job = job;
    m_settings = settings;
    m_active = true;
    m_cancelling = false;
    m_copy = 1;
    m_written = 0;
    m_failed = 0;
    m_textFolder.reset();
    if (!job.cdTextFile.isEmpty()) {
        m_textFolder = std::make_unique<QTemporaryDir>();
        QFile file(m_textFolder->path() + QLatin1String(CdTextName));
        if (!file.open(QIODevice::WriteOnly) || file.write(job.cdTextFile) != job.cdTextFile.size()) {
            tell(burnmessages::cdTextFileFailed(file.errorString()));
            finish(false);
            return;
        }
    }
    if (!deviceAccessible()) {
        finish(false);
        return;
    }
    checkMedium();
}

void CopiesSequence::Cancel()
{
    if (m_cancelling || m_stopped || !m_active)
        return;
    if (m_run == Run::Write && !confirm(burnmessages::confirmCancel(m_settings.simulate)))
        return;
    if (m_run == Run::None || m_stopped)
        return;
    m_cancelling = true;
    m_process.Abort();
}

void CopiesSequence::Stop()
{
    m_stopped = true;
    m_process.AbortAndWait();
    m_run = Run::None;
    m_active = false;
}

void CopiesSequence::run(Run kind, const QStringList& arguments)
{
    m_run = kind;
    m_problems.clear();
    m_sawDone = false;
    m_process.Run(arguments);
}

void CopiesSequence::line(const QString& text)
{
    if (const auto progress = ParseProgressLine(text)) {
        emit Progress(*progress);
        return;
    }
    if (IsFixatingLine(text))
        emit Fixating();
    m_sawDone = m_sawDone || IsDoneLine(text);
    if (IsProblemLine(text))
        m_problems << text.trimmed();
    emit BurnerMessage(text);
}

void CopiesSequence::ended(int exitCode, const QString& output)
{
    const Run kind = std::exchange(m_run, Run::None);
    if (m_stopped)
        return;
    if (m_cancelling) {
        if (kind == Run::Write)
            tell(burnmessages::cancelled(m_settings.simulate));
        finish(false);
        return;
    }
    switch (kind) {
    case Run::Scan:
        scanEnded(output);
        break;
    case Run::Medium:
        mediumEnded(output);
        break;
    case Run::Write:
        writeEnded(exitCode == 0 && m_sawDone);
        break;
    case Run::Eject:
        nextCopy();
        break;
    case Run::None:
        break;
    }
}

void CopiesSequence::notInstalled()
{
    const Run kind = std::exchange(m_run, Run::None);
    tell(burnmessages::notInstalled());
    if (kind == Run::Scan)
        emit DrivesFound({});
    else
        finish(false);
}

void CopiesSequence::scanEnded(const QString& output)
{
    const QList<BurnerDrive> drives = ParseDevices(output);
    if (drives.isEmpty())
        explainNoDrive();
    emit DrivesFound(drives);
}

// cdrskin lists only the drives the user may open and that no other program
// holds; the device files tell which of the two keeps one away.
void CopiesSequence::explainNoDrive()
{
    const QStringList nodes = OpticalDriveNodes(m_nodes.folder);
    for (const QString& node : nodes) {
        const NodeAccess access = CheckNodeAccess(node, m_nodes.identity);
        if (!access.readWrite) {
            tell(burnmessages::notWritable(node, access.group));
            return;
        }
    }
    tell(nodes.isEmpty() ? burnmessages::noDrive() : burnmessages::driveInUse(nodes.first()));
}

bool CopiesSequence::deviceAccessible()
{
    const NodeAccess access = CheckNodeAccess(m_settings.device, m_nodes.identity);
    if (access.exists && !access.readWrite) {
        tell(burnmessages::notWritable(m_settings.device, access.group));
        return false;
    }
    return true;
}

void CopiesSequence::checkMedium()
{
    run(Run::Medium, AtipArguments(m_settings.device));
}

void CopiesSequence::mediumEnded(const QString& output)
{
    const BurnerMedium medium = ParseAtip(output);
    emit MediumFound(medium);
    if (std::any_of(m_problems.cbegin(), m_problems.cend(), [](const QString& text) { return IsBusyLine(text); })) {
        tell(burnmessages::driveInUse(m_settings.device));
        finish(false);
        return;
    }
    switch (medium.state) {
    case BurnerMedium::State::NoDisc:
        askForAnotherDisc(burnmessages::noDisc());
        return;
    case BurnerMedium::State::Written:
        if (!medium.erasable)
            askForAnotherDisc(burnmessages::notBlank());
        else if (confirm(burnmessages::confirmBlank()) && !m_stopped)
            write(true);
        else if (!m_stopped)
            finish(true);
        return;
    case BurnerMedium::State::Blank:
        if (medium.capacityFrames > 0 && m_job.discFrames > medium.capacityFrames)
            askForAnotherDisc(burnmessages::tooSmall(m_job.discFrames, medium.capacityFrames));
        else
            write(false);
        return;
    case BurnerMedium::State::Unknown:
        break;
    }
    tell(burnmessages::mediumUnreadable(m_problems));
    finish(true);
}

void CopiesSequence::askForAnotherDisc(const QString& question)
{
    const bool again = confirm(question);
    if (m_stopped)
        return;
    if (again)
        checkMedium();
    else
        finish(true);
}

void CopiesSequence::write(bool blankFirst)
{
    BurnOptions options;
    options.device = m_settings.device;
    options.speed = m_settings.speed;
    options.simulate = m_settings.simulate;
    options.eject = m_settings.eject;
    options.blankFirst = blankFirst;
    options.catalog = m_job.catalog;
    if (m_textFolder)
        options.cdTextFile = m_textFolder->path() + QLatin1String(CdTextName);
    options.trackFiles = m_job.trackFiles;
    options.isrcs = m_job.isrcs;
    const auto arguments = BurnArguments(options);
    if (!arguments) {
        tell(burnmessages::invalidCode());
        finish(true);
        return;
    }
    emit CopyStarted(m_copy, m_settings.copies);
    run(Run::Write, *arguments);
}

void CopiesSequence::writeEnded(bool succeeded)
{
    ++(succeeded ? m_written : m_failed);
    const bool last = m_copy >= m_settings.copies;
    if (!succeeded) {
        const QStringList problems = m_problems;
        if (last) {
            tell(burnmessages::writeFailed(problems));
            finish(m_settings.copies > 1);
            return;
        }
        const bool goOn = askYesNo(burnmessages::writeFailedGoOn(problems, m_copy + 1, m_settings.copies));
        if (m_stopped)
            return;
        if (!goOn) {
            finish(true);
            return;
        }
    } else if (last) {
        finish(true);
        return;
    }
    if (m_settings.eject)
        nextCopy();
    else
        run(Run::Eject, EjectArguments(m_settings.device));
}

void CopiesSequence::nextCopy()
{
    ++m_copy;
    const bool ready = confirm(burnmessages::nextDisc(m_copy, m_settings.copies));
    if (m_stopped)
        return;
    if (ready)
        checkMedium();
    else
        finish(true);
}

void CopiesSequence::finish(bool withSummary)
{
    if (withSummary && m_written + m_failed > 0)
        tell(burnmessages::summary(m_written, m_failed, m_settings.simulate));
    m_active = false;
    m_cancelling = false;
    if (!m_stopped)
        emit Finished();
}

bool CopiesSequence::confirm(const QString& text)
{
    return m_prompts.message(m_parent, text, burnmessages::caption(), Prompts::Buttons::OkCancel,
                             Prompts::Answer::Ok) == Prompts::Answer::Ok;
}

bool CopiesSequence::askYesNo(const QString& text)
{
    return m_prompts.message(m_parent, text, burnmessages::caption(), Prompts::Buttons::YesNo,
                             Prompts::Answer::No) == Prompts::Answer::Yes;
}

void CopiesSequence::tell(const QString& text)
{
    if (!m_stopped)
        m_prompts.message(m_parent, text, burnmessages::caption(), Prompts::Buttons::Ok);
}
