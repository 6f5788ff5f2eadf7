// Writes a recording's pieces as 44.1 kHz 16-bit stereo WAV files into a
// folder: each file the canonical 44-byte header and then the recording's
// samples from the piece's start, copied byte for byte (inside the kernel
// where the file systems allow), so that the pieces, one after another, are
// exactly the recording.
//
// All or none: the files are written in a hidden folder inside the chosen
// one and take their names only when every piece is written; a cancel, a
// failure or a name that is taken meanwhile leaves none of them (and no
// existing file is ever replaced, the recording's own least of all).
#pragma once

#include "file_system_calls.h"
#include "recording.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct PieceFile {
    QString name;  // within the folder
    int64_t start = 0;
    int64_t samples = 0;
};

struct PieceWriting {
    enum Kind { Written, Cancelled, NamesTaken, Failed };
    Kind kind = Written;
    QString detail;      // Failed: why
    QStringList names;   // NamesTaken: which; Failed: the file it happened to, if any
};

class PieceWriter {
public:
    // Told the progress in percent; returns false to cancel.
    using Progress = std::function<bool(int percent)>;

    explicit PieceWriter(const Recording& recording, FileSystemCalls calls = {});

    // The names among pieces' that the folder holds already.
    static QStringList TakenNames(const QString& folder, const QList<PieceFile>& pieces);

    PieceWriting write(const QString& folder, const QList<PieceFile>& pieces, const Progress& progress);

private:
    const Recording& m_recording;
    FileSystemCalls m_calls;
};
