// The fixed-width records of a DDP 2.00 image: the identity (DDPID), the
// map packets (DDPMS) and the PQ descriptor's packets. Every record is
// printable ASCII without separators; a field not set is spaces and a
// number is zero-padded decimal digits, so a record always has its length.
#pragma once

#include "pq_entries.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace ddp {

constexpr qsizetype IdBytes = 128;
constexpr qsizetype MapPacketBytes = 128;
constexpr qsizetype PqPacketBytes = 64;
constexpr qsizetype MasterIdBytes = 48;

// The stream files of an image, named as the map packets name them.
inline constexpr char ImageFile[] = "IMAGE.DAT";
inline constexpr char PqFile[] = "PQDESCR";
inline constexpr char CdTextFile[] = "CDTEXT.BIN";
inline constexpr char IdFile[] = "DDPID";
inline constexpr char MapFile[] = "DDPMS";
inline constexpr char ChecksumFile[] = "CHECKSUM.MD5";
// Every name above: all that an image's folder holds.
QStringList FileNames();

// DDPID: level "DDP 2.00", the disc's 13-digit catalog number (or spaces),
// a CD master, and masterId (the printable ASCII of MasterIdOf).
QByteArray IdRecord(const QString& catalog, const QString& masterId);

// The master ID a folder's name gives: its printable ASCII characters, at
// most 48 of them; "DDP" when the name has none.
QString MasterIdOf(const QString& folderName);

// The D0 packet of the main data: imageFrames frames from frame 0, the
// pre-gap's 150 frames at its start.
QByteArray AudioMapPacket(qint64 imageFrames);

enum class Subcode { Pq, CdText };
// An S0 packet of a subcode stream of fileBytes bytes.
QByteArray SubcodeMapPacket(Subcode subcode, qint64 fileBytes);

// The PQ descriptor: one 64-byte packet per entry, in order.
QByteArray PqDescriptor(const QList<pq::Entry>& entries);

}  // namespace ddp
