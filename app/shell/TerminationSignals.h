// SIGTERM, SIGHUP and SIGINT brought into the event loop. The signal handler
// only writes the signal's number into a pipe; a socket notifier on the
// pipe's other end emits Requested on the thread that created the object,
// where the program ends in order.
#pragma once

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one object per process. The handlers stay
    // installed (and write into a pipe nobody reads) after it is gone.
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    // A termination signal arrived; emitted once per signal.
    void Requested(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* m_notifier = nullptr;
};
