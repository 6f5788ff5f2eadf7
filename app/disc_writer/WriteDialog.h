// fWrite: writing the CD-R. The drive (cboDrive, with cmdRescan to look
// again), the speed (cboSpeed), a simulated write (chkSimulate), the eject
// after it (chkEject) and the copies (txtCopies); the burner's notes on the
// disc and its total time against the medium's capacity; while writing, the
// disc's and the copies' progress bars, the MB written, the drive's buffer,
// the speed and the burner's last messages. cmdWrite starts; cmdClose
// closes, or while writing cancels (the sequence asks first).
//
// Thin: the drives, the runs and every question belong to CopiesSequence.
#pragma once

#include "burn_job.h"
#include "disc_progress.h"

#include <QDialog>

#include <functional>
#include <optional>

class CopiesSequence;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
struct BurnProgress;
struct BurnerDrive;
struct BurnerMedium;

class WriteDialog : public QDialog {
    Q_OBJECT
public:
    // discFrames: the disc's size, shown against the medium's capacity;
    // notes: what the burner changes on the disc. prepareJob builds the disc
    // at each start, or says why it cannot and gives nothing.
    using PrepareJob = std::function<std::optional<BurnJob>()>;
    WriteDialog(CopiesSequence& sequence, qint64 discFrames, const QString& notes, PrepareJob prepareJob,
                QWidget* parent);

    // Closing while a disc is written cancels instead.
    void reject() override;

private:
    void buildControls(const QString& notes);
    void buildLayout();
    void showDrives(const QList<BurnerDrive>& drives);
    void showMedium(const BurnerMedium& medium);
    void showCopy(int copy, int copies);
    void showProgress(const BurnProgress& progress);
    void showMessage(const QString& line);
    void startWrite();
    void refreshControls();

    CopiesSequence& m_sequence;
    qint64 m_discFrames;
    PrepareJob m_prepareJob;
    std::optional<DiscProgress> m_discProgress;
    QComboBox* m_drive;
    QPushButton* m_rescan;
    QComboBox* m_speed;
    QCheckBox* m_simulate;
    QCheckBox* m_eject;
    QSpinBox* m_copies;
    QLabel* m_notes;
    QLabel* m_capacity;
    QProgressBar* m_discBar;
    QProgressBar* m_copiesBar;
    QLabel* m_written;
    QLabel* m_buffer;
    QLabel* m_rate;
    QPlainTextEdit* m_messages;
    QPushButton* m_write;
    QPushButton* m_close;
};
