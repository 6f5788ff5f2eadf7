// The image's checksums checked as `md5sum -c` checks them, a row per file:
// every line of every MD5 list in the folder (CHECKSUM.MD5, or a NAME.md5
// beside each file) is checked against the file it names; a file of the
// image that no list names, a list in another form (CRC32, SFV, SHA) and
// lines in no form are rows that say what was not checked.
//
// Planning reads only the lists; checking reads every listed file once,
// through one fixed buffer, so memory does not grow with the image. Runs on
// the calling thread; progress is called from it.
#pragma once

#include "ddp_image.h"
#include "image_checks.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

struct ChecksumJob {
    QString name;      // as the list names it
    QString path;      // the file in the folder
    QByteArray md5;    // what the list says, lower-case hex
    QString listName;  // the list that says it
};

struct ChecksumPlan {
    QList<ChecksumJob> jobs;
    QList<CheckRow> rows;  // what was found without reading a file
    qint64 totalBytes = 0;
};

ChecksumPlan PlanChecksums(const DdpImage& image);

// percent of the listed bytes read so far; false to cancel. The jobs not
// finished then are rows that say so.
using ChecksumProgress = std::function<bool(int percent)>;

QList<CheckRow> CheckChecksums(const ChecksumPlan& plan, const ChecksumProgress& progress);
