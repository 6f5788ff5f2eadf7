// The PQ sheet of a master: the page a pressing plant checks the pressed
// disc against. Its content as data (the heading, the disc's lines and one
// table row per track, then the lead-out), in the interface's language;
// pq_sheet_pdf puts it on paper.
#pragma once

#include "master_input.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

struct PqSheet {
    Q_DECLARE_TR_FUNCTIONS(PqSheet)

public:
    struct Line {
        QString label;
        QString value;
    };
    QString heading;
    QList<Line> disc;     // title, performer, catalog, tracks, total time, MD5, date
    QStringList columns;  // No., start, length, pause, ISRC, title, performer
    QList<QStringList> rows;  // every track, then the lead-out's row
};

// The sheet of disc; imageMd5 is IMAGE.DAT's MD5 when the sheet goes with
// an image (else the line is left out). Starts are the PQ entries' index 01
// times, lengths each track's padded frames, the pause track 1's pre-gap.
PqSheet BuildPqSheet(const MasterDisc& disc, const QString& imageMd5, const QDate& date);
