#include "burner_process.h"

#include "burn_command.h"

#include <QProcessEnvironment>

#include <csignal>

BurnerProcess::BurnerProcess(QObject* parent)
    : QObject(parent)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    m_process.setProcessEnvironment(environment);
    m_process.setProgram(QString::fromLatin1(BurnerProgram));
    connect(&m_process, &QProcess::readyReadStandardOutput, this,
            [this] { readChannel(QProcess::StandardOutput); });
    connect(&m_process, &QProcess::readyReadStandardError, this,
            [this] { readChannel(QProcess::StandardError); });
    connect(&m_process, &QProcess::finished, this, &BurnerProcess::finished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            emit NotInstalled();
    });
}

BurnerProcess::~BurnerProcess()
{
    AbortAndWait();
}

void BurnerProcess::Run(const QStringList& arguments)
{
    m_pendingOut.clear();
    m_pendingErr.clear();
    m_output.clear();
    m_process.setArguments(arguments);
    m_process.start(QIODevice::ReadOnly);
}

bool BurnerProcess::Running() const
{
    return m_process.state() != QProcess::NotRunning;
}

void BurnerProcess::Abort()
{
    if (m_process.state() == QProcess::Running)
        ::kill(pid_t(m_process.processId()), SIGINT);
}

void BurnerProcess::AbortAndWait()
{
    if (!Running())
        return;
    const QSignalBlocker quiet(this);
    m_process.waitForStarted();
    Abort();
    if (!m_process.waitForFinished(AbortWaitMs)) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void BurnerProcess::readChannel(QProcess::ProcessChannel channel)
{
    m_process.setReadChannel(channel);
    const bool output = channel == QProcess::StandardOutput;
    QByteArray& pending = output ? m_pendingOut : m_pendingErr;
    pending += m_process.readAll();
    emitLines(pending, output, false);
}

// Emits every whole line of pending and keeps the rest; flushAll ends the
// rest as a line too. Lines of standard output are kept for Ended.
void BurnerProcess::emitLines(QByteArray& pending, bool output, bool flushAll)
{
    qsizetype start = 0;
    for (qsizetype at = 0; at < pending.size(); ++at) {
        if (pending[at] != '\n' && pending[at] != '\r')
            continue;
        if (at > start) {
            const QString line = QString::fromLocal8Bit(pending.mid(start, at - start));
            if (output)
                m_output += line + u'\n';
            emit OutputLine(line);
        }
        start = at + 1;
    }
    pending.remove(0, start);
    if (flushAll && !pending.isEmpty()) {
        pending.append('\n');
        emitLines(pending, output, false);
    }
}

void BurnerProcess::finished(int exitCode, QProcess::ExitStatus status)
{
    readChannel(QProcess::StandardOutput);
    readChannel(QProcess::StandardError);
    emitLines(m_pendingOut, true, true);
    emitLines(m_pendingErr, false, true);
    emit Ended(status == QProcess::NormalExit ? exitCode : -1, m_output);
}
