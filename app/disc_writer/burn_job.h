// What one disc is written from, and how the write dialog asks for it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The disc: built from the list before anything runs.
struct BurnJob {
    QStringList trackFiles;  // every track's saved file, in list order
    QStringList isrcs;       // one per track, empty for none; or none at all
    QString catalog;         // empty for none
    QByteArray cdTextFile;   // the CD-TEXT packs with their 4-byte header; empty for none
    qint64 discFrames = 0;   // the whole disc in CD frames, every track padded
};

// The dialog's choices.
struct BurnSettings {
    QString device;
    int speed = 0;  // 0 the highest
    bool simulate = false;
    bool eject = false;
    int copies = 1;
};
