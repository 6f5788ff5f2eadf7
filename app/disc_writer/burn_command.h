// The burner's command lines: the drive list, the medium's report, the
// eject, and the disc-at-once write of the tracks with their CD-TEXT file
// and codes. Every line starts with --no_rc, which keeps a user's
// ~/.cdrskinrc from changing the run; cdrskin obeys it only as the very
// first argument.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The program the lines are for, looked up on PATH.
inline constexpr char BurnerProgram[] = "cdrskin";

struct BurnOptions {
    QString device;        // dev=, a device file as the drive list names it
    int speed = 0;         // times CD speed; 0 the drive's highest
    bool simulate = false; // -dummy: the laser stays off
    bool eject = false;    // -eject after the write
    bool blankFirst = false; // blank=fast before the write (a CD-RW that is not blank)
    QString catalog;       // mcn=, 13 digits; empty for none
    QString cdTextFile;    // textfile=; empty for none
    QStringList trackFiles;  // in list order
    QStringList isrcs;     // one per track (an empty one for none), or none at all
};

// --no_rc -v gracetime=0 --pacifier_with_newline dev=... [speed=...] -sao
// [-dummy] [-eject] [blank=fast] [mcn=...] [textfile=...] -audio -pad, then
// each track's file, its isrc= in front of it (the option names the next
// track). Nothing when the catalog number or an ISRC is not in its one
// valid form (13 digits with their check digit; 12 characters, upper case,
// no hyphens): a code the burner would cut, pad or turn down is never
// passed on.
std::optional<QStringList> BurnArguments(const BurnOptions& options);

// The drives the user may write to.
QStringList DevicesArguments();
// What the drive reports about its medium.
QStringList AtipArguments(const QString& device);
// Opens the drive's tray.
QStringList EjectArguments(const QString& device);

// The speeds offered besides the highest, in times CD speed.
QList<int> CdSpeeds();
