#include "copies_sequence.h"

#include "burn_command.h"
#include "burn_messages.h"

#include <QFile>

#include <algorithm>
#include <utility>

namespace {

constexpr char CdTextName[] = "disc.cdt";

}  // namespace

CopiesSequence::CopiesSequence(Prompts& prompts, QWidget* parent, DriveNodes nodes)
    : m_prompts(prompts)
    , m_parent(parent)
    , m_nodes(std::move(nodes))
{
    connect(&m_process, &BurnerProcess::OutputLine, this, &CopiesSequence::line);
    connect(&m_process, &BurnerProcess::Ended, this, [this](int exitCode, const QString& output) {
        ended({true, exitCode == 0 && m_sawDone, m_cancelling, output});
    });
    connect(&m_process, &BurnerProcess::NotInstalled, this, [this] { ended({false, false, false, {}}); });
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
    if (!makeTextFile() || !deviceAccessible()) {
        finish(false);
        return;
    }
    checkMedium();
}

void CopiesSequence::Cancel()
{
    if (m_cancelling || m_stopped || !m_active || m_asking)
        return;
    if (m_run == Run::Write && !m_ended)
        ask(burnmessages::confirmCancel(m_settings.simulate), Prompts::Buttons::OkCancel, [this](bool yes) {
            if (yes)
                cancelRun();
        });
    else
        cancelRun();
}

void CopiesSequence::Stop()
{
    m_stopped = true;
    m_process.AbortAndWait();
    m_run = Run::None;
    m_ended.reset();
    m_active = false;
}

// The CD-TEXT file goes into a folder of its own, which lives until the
// next start: cdrskin reads it during every copy's write.
bool CopiesSequence::makeTextFile()
{
    m_textFolder.reset();
    if (m_job.cdTextFile.isEmpty())
        return true;
    m_textFolder = std::make_unique<QTemporaryDir>();
    if (!m_textFolder->isValid()) {
        tell(burnmessages::cdTextFileFailed(m_textFolder->errorString()));
        return false;
    }
    QFile file(m_textFolder->filePath(QLatin1String(CdTextName)));
    if (!file.open(QIODevice::WriteOnly) || file.write(m_job.cdTextFile) != m_job.cdTextFile.size()) {
        tell(burnmessages::cdTextFileFailed(file.errorString()));
        return false;
    }
    return true;
}

// Nothing more runs after the user's cancel: a write still going is
// aborted, and one that has ended meanwhile counts as it ended.
void CopiesSequence::cancelRun()
{
    m_cancelling = true;
    m_process.Abort();
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

void CopiesSequence::ended(RunEnd end)
{
    m_ended = std::move(end);
    QMetaObject::invokeMethod(this, &CopiesSequence::takeUpEnd, Qt::QueuedConnection);
}

// Runs from the event loop; a question open in a nested loop defers it
// until the question has its answer.
void CopiesSequence::takeUpEnd()
{
    if (m_asking || m_stopped || !m_ended)
        return;
    const RunEnd end = *std::exchange(m_ended, std::nullopt);
    const Run kind = std::exchange(m_run, Run::None);
    if (!end.started)
        notInstalled(kind);
    else if (kind == Run::Scan)
        scanEnded(end.output);
    else if (kind == Run::Write)
        writeEnded(end);
    else if (m_cancelling)
        finish(false);
    else if (kind == Run::Medium)
        mediumEnded(end.output);
    else if (kind == Run::Eject)
        nextCopy();
}

void CopiesSequence::notInstalled(Run kind)
{
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
        const NodeAccess access = m_nodes.check(node);
        if (!access.readWrite) {
            tell(burnmessages::notWritable(node, access.group));
            return;
        }
    }
    tell(nodes.isEmpty() ? burnmessages::noDrive() : burnmessages::driveInUse(nodes.first()));
}

bool CopiesSequence::deviceAccessible()
{
    const NodeAccess access = m_nodes.check(m_settings.device);
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
        else
            ask(burnmessages::confirmBlank(), Prompts::Buttons::OkCancel, [this](bool yes) {
                if (yes)
                    write(true);
                else
                    finish(true);
            });
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
    ask(question, Prompts::Buttons::OkCancel, [this](bool again) {
        if (again)
            checkMedium();
        else
            finish(true);
    });
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
        options.cdTextFile = m_textFolder->filePath(QLatin1String(CdTextName));
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

// A write counts as what cdrskin reports, even when the user's cancel came
// too late to stop it; after a cancel no further copy is written.
void CopiesSequence::writeEnded(const RunEnd& end)
{
    ++(end.succeeded ? m_written : m_failed);
    if (!end.succeeded && end.aborted) {
        tell(burnmessages::cancelled(m_settings.simulate));
        finish(false);
        return;
    }
    const bool last = m_cancelling || m_copy >= m_settings.copies;
    if (end.succeeded) {
        if (last)
            finish(true);
        else
            goOn();
        return;
    }
    if (last) {
        tell(burnmessages::writeFailed(m_problems));
        finish(m_settings.copies > 1);
        return;
    }
    ask(burnmessages::writeFailedGoOn(m_problems, m_copy + 1, m_settings.copies), Prompts::Buttons::YesNo,
        [this](bool yes) {
            if (yes)
                goOn();
            else
                finish(true);
        });
}

// To the next copy: the disc out first, unless cdrskin ejects it itself.
void CopiesSequence::goOn()
{
    if (m_settings.eject)
        nextCopy();
    else
        run(Run::Eject, EjectArguments(m_settings.device));
}

void CopiesSequence::nextCopy()
{
    ++m_copy;
    askForAnotherDisc(burnmessages::nextDisc(m_copy, m_settings.copies));
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

// OK/Cancel questions default to OK, Yes/No ones to No. A run's end that
// came while the question was open is taken up after the answer's step.
void CopiesSequence::ask(const QString& text, Prompts::Buttons buttons, const std::function<void(bool yes)>& then)
{
    const bool yesNo = buttons == Prompts::Buttons::YesNo;
    m_asking = true;
    const Prompts::Answer answer = m_prompts.message(m_parent, text, burnmessages::caption(), buttons,
                                                     yesNo ? Prompts::Answer::No : Prompts::Answer::Ok);
    m_asking = false;
    if (m_stopped)
        return;
    then(answer == (yesNo ? Prompts::Answer::Yes : Prompts::Answer::Ok));
    takeUpEnd();
}

void CopiesSequence::tell(const QString& text)
{
    if (!m_stopped)
        m_prompts.message(m_parent, text, burnmessages::caption(), Prompts::Buttons::Ok);
}
