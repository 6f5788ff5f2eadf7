// What cdrskin prints, read back: the drive list of --devices, the medium
// report of -atip, and the lines of a write run with -v (progress on
// standard output, one line each with --pacifier_with_newline; problems as
// "cdrskin: FATAL : ..." or "cdrskin: SORRY : ..." on standard error).
// Every function reads one output or one line and keeps no state.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

struct BurnerDrive {
    QString device;  // the device file for dev=
    QString vendor;
    QString model;
    bool operator==(const BurnerDrive&) const = default;
};

// Each line "N  dev='/dev/sr0'  rwrw-- :  'Vendor'  'Model'" of the
// overview, in the order listed.
QList<BurnerDrive> ParseDevices(QStringView output);

struct BurnerMedium {
    enum class State { Unknown, NoDisc, Blank, Written };
    State state = State::Unknown;
    bool erasable = false;    // a CD-RW
    qint64 capacityFrames = 0; // the start of the lead-out in the ATIP; 0 when not reported
    bool operator==(const BurnerMedium&) const = default;
};

// The medium from the status line ("cdrskin: status 1 burn_disc_blank ..."),
// "Is erasable" / "Is not erasable" and "ATIP start of lead out: N (...)".
BurnerMedium ParseAtip(QStringView output);

struct BurnProgress {
    int track = 0;
    int writtenMb = 0;
    int totalMb = 0;
    std::optional<int> fifoPercent;
    std::optional<int> bufferPercent;
    double speed = 0;  // times CD speed
    bool operator==(const BurnProgress&) const = default;
};

// "Track 01:   6 of  30 MB written (fifo 100%) [buf  50%]  8.0x."
std::optional<BurnProgress> ParseProgressLine(QStringView line);

// "Fixating..."
bool IsFixatingLine(QStringView line);
// "cdrskin: burning done": the write succeeded.
bool IsDoneLine(QStringView line);
// A FATAL or SORRY line, which says why a run failed.
bool IsProblemLine(QStringView line);
// A problem that says the drive is in use by another program.
bool IsBusyLine(QStringView line);
