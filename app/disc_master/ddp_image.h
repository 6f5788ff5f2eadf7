// A DDP image's folder opened for checking and taking apart: its identity
// and map read, every stream file the map names looked up in the folder,
// the PQ descriptor and the CD-TEXT read. Only the small files are read
// here; the main data is only looked at (its size).
//
// A name the map gives is a name in the folder: one with a path separator,
// "." or "..", or a link whose target lies outside the folder, is refused
// and its stream marked as outside. Opening reads and writes nothing else.
#pragma once

#include "cd_text_decoder.h"
#include "ddp_readers.h"

#include <QString>
#include <QStringList>

#include <optional>

struct StreamFile {
    enum class Kind { MainData, Pq, CdText, Other };
    enum class State { Present, OutsideFolder, Missing, Unreadable };

    ddp::MapPacket packet;
    Kind kind = Kind::Other;
    State state = State::Missing;
    QString path;      // the file in the folder, when it is present
    qint64 size = 0;   // its size in bytes, when it is present
    int error = 0;     // the errno, when it is unreadable

    // The size the map gives it: its start offset and its length in frames
    // of 2352 bytes (the main data) or in bytes.
    qint64 mappedBytes() const;
};

// A subcode stream that could not be read whole.
enum class SubcodeProblem { None, Absent, TooLarge, Unreadable };

struct DdpImage {
    QString folder;               // canonical, without a trailing separator
    QStringList fileNames;        // the folder's regular files, sorted
    ddp::Identity id;
    QList<StreamFile> streams;    // in map order
    int mainData = -1;            // the index in streams of the first D0 stream
    ddp::PqRead pq;               // read from the first PQ stream
    SubcodeProblem pqProblem = SubcodeProblem::Absent;
    std::optional<CdTextRead> cdText;  // read from the first CD-TEXT stream
    SubcodeProblem cdTextProblem = SubcodeProblem::Absent;

    const StreamFile* mainStream() const { return mainData >= 0 ? &streams[mainData] : nullptr; }
};

// Why a folder is not opened as an image at all.
struct ImageRefusal {
    enum class Kind {
        NoIdentity,     // no DDPID
        BadIdentity,    // DDPID of the wrong length or without "DDP"
        NoMap,          // no DDPMS
        BadMap,         // DDPMS of the wrong length, a packet unreadable
        NoMainData,     // no D0 packet
        Unreadable,     // DDPID or DDPMS could not be read (error)
    };
    Kind kind = Kind::NoIdentity;
    std::optional<ddp::RecordFault> fault;  // for BadIdentity and BadMap
    int error = 0;
};

struct OpenedImage {
    std::optional<DdpImage> image;
    std::optional<ImageRefusal> refusal;  // set: no image
};

OpenedImage OpenDdpImage(const QString& folder);

// The file a name gives in the canonical folder: its canonical path, or the
// state that refuses it.
struct FolderFile {
    StreamFile::State state = StreamFile::State::Missing;
    QString path;
};
FolderFile FileInFolder(const QString& folder, const QByteArray& name);
