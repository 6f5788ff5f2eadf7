// One run of cdrskin at a time, through QProcess (never a shell), with
// LC_ALL=C so that its texts are the ones the parsers read. Output arrives
// line by line, a carriage return ending a line as a newline does.
//
// An abort sends SIGINT, the interrupt that cdrskin's abort handler answers
// by shutting the drive down and leaving it usable before it exits; the
// process is always waited for, and the destructor aborts a run still going,
// so no burner outlives its owner. The object lives on one thread.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>

class BurnerProcess : public QObject {
    Q_OBJECT
public:
    explicit BurnerProcess(QObject* parent = nullptr);
    ~BurnerProcess() override;

    // Starts cdrskin with arguments; Ended or NotInstalled follows.
    void Run(const QStringList& arguments);
    bool Running() const;
    // Asks a run to abort; Ended follows once it has.
    void Abort();
    // Aborts a run and returns once it has ended, without Ended.
    void AbortAndWait();

    // How long an abort may take before the process is killed: the drive
    // may need a while to finish what it was doing.
    static constexpr int AbortWaitMs = 120000;

signals:
    void OutputLine(const QString& line);
    void Ended(int exitCode, const QString& standardOutput);
    void NotInstalled();

private:
    void readChannel(QProcess::ProcessChannel channel);
    void emitLines(QByteArray& pending, bool output, bool flushAll);
    void finished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    QByteArray m_pendingOut;
    QByteArray m_pendingErr;
    QString m_output;
};
