// The copies of a disc as a sequence of cdrskin runs, which the write dialog
// drives: the drive list, then for each copy the medium's check (no disc,
// not blank, too small: each asks for another disc), the write, and with
// more copies to go the eject and the question for the next blank disc. A
// failure asks whether to go on; the end shows one summary. Cancel asks
// first, then aborts the run and waits for it; Stop, for the program's end,
// aborts without a question and leaves nothing running.
//
// Lives on the UI thread; its questions go through the prompts seam. A
// run's end is taken up from the event loop, never inside the process's
// own handlers and never while a question is open: a write that ends while
// the cancel question waits is reported as what it was once the question
// is answered. A Stop may arrive during any question; nothing runs after
// one.
#pragma once

#include "burn_job.h"
#include "burner_output.h"
#include "burner_process.h"
#include "drive_access.h"

#include "Prompts.h"

#include <QObject>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

class CopiesSequence : public QObject {
    Q_OBJECT
public:
    CopiesSequence(Prompts& prompts, QWidget* parent, DriveNodes nodes = {});

    // Lists the drives; DrivesFound follows (an empty list after a message
    // that says why there is none).
    void ScanDrives();
    // Writes settings.copies copies of job; Finished follows. A CD-TEXT
    // file that cannot be made (nor its temporary folder) or a drive the
    // user may not open stops it first, with a message.
    void Start(const BurnJob& job, const BurnSettings& settings);
    // The user's cancel: while a disc is written, asks first.
    void Cancel();
    // The program's end: aborts at once, waits, and runs nothing more.
    void Stop();

    // Between Start and Finished.
    bool Active() const { return m_active; }
    bool Scanning() const { return m_run == Run::Scan; }

signals:
    void DrivesFound(const QList<BurnerDrive>& drives);
    void MediumFound(const BurnerMedium& medium);
    void CopyStarted(int copy, int copies);
    void Progress(const BurnProgress& progress);
    void Fixating();
    // Every line of cdrskin that is no progress line.
    void BurnerMessage(const QString& line);
    void Finished();

private:
    enum class Run { None, Scan, Medium, Write, Eject };

    // How a run ended, kept until the event loop takes it up.
    struct RunEnd {
        bool started = true;    // false: cdrskin could not be started
        bool succeeded = false; // exit status 0 and cdrskin's "burning done"
        bool aborted = false;   // it ended after the sequence asked it to abort
        QString output;
    };

    void run(Run kind, const QStringList& arguments);
    void line(const QString& text);
    void ended(RunEnd end);
    void takeUpEnd();
    void notInstalled(Run kind);
    void cancelRun();
    void scanEnded(const QString& output);
    void explainNoDrive();
    bool makeTextFile();
    bool deviceAccessible();
    void checkMedium();
    void mediumEnded(const QString& output);
    void askForAnotherDisc(const QString& question);
    void write(bool blankFirst);
    void writeEnded(const RunEnd& end);
    void goOn();
    void nextCopy();
    void finish(bool withSummary);
    // Asks text; then runs with whether the answer was yes, unless Stop
    // came while the question was open.
    void ask(const QString& text, Prompts::Buttons buttons, const std::function<void(bool yes)>& then);
    void tell(const QString& text);

    Prompts& m_prompts;
    QWidget* m_parent;
    DriveNodes m_nodes;
    BurnerProcess m_process;
    BurnJob m_job;
    BurnSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_textFolder;
    QStringList m_problems;
    Run m_run = Run::None;  // what runs, or whose end waits to be taken up
    std::optional<RunEnd> m_ended;
    bool m_asking = false;
    bool m_active = false;
    bool m_cancelling = false;
    bool m_stopped = false;
    bool m_sawDone = false;
    int m_copy = 0;
    int m_written = 0;
    int m_failed = 0;
};
