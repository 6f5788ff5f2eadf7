// The disc's CD-TEXT as packs: one language block (block 0) with the TITLE
// and PERFORMER packs of the disc and every track, the SONGWRITER, COMPOSER,
// ARRANGER and MESSAGE packs and the UPC/EAN and ISRC packs (0x8E) where any
// entry has such a text, and the block's three size-information packs, as
// the file that `cdrskin textfile=` and `wodim textfile=` write into the
// lead-in.
//
// Each pack is 18 bytes: type, track, sequence number, the double-byte flag
// with block and character position, 12 text bytes and a CRC-16. Texts end
// in a NUL (two for double-byte texts) and run on from pack to pack of their
// type. The file starts with its length less 2, big-endian, and two zero
// bytes.
#pragma once

#include "disc_texts.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The pack's layout, shared by the encoder and the decoder: 18 bytes, of
// which 12 carry text; the size information's type and its three packs; the
// flag of a double-byte block.
namespace cdtextpack {
constexpr int PackBytes = 18;
constexpr int TextBytes = 12;
constexpr quint8 SizeType = 0x8F;
constexpr int SizePacks = 3;
constexpr quint8 DoubleByteFlag = 0x80;
}  // namespace cdtextpack

enum class CdTextCharset {
    Latin1,  // ISO-8859-1, language English
    MsJis,   // CP932 double-byte characters, language Japanese
};

// The texts of a CdTextEntry, in the order of their pack types.
enum class CdTextField { Title, Performer, Songwriter, Composer, Arranger, Message, Code };

// A text the block cannot hold a character of.
struct CdTextFault {
    std::optional<int> track;  // the index in CdTextSet::tracks; none: the disc
    CdTextField field = CdTextField::Title;
    QString character;         // the first character the block has no code for
    bool operator==(const CdTextFault&) const = default;
};

struct CdTextPacks {
    // Packs a block holds at most, besides its three size-information packs.
    static constexpr int TextPackCapacity = 253;

    CdTextCharset charset = CdTextCharset::Latin1;
    int textPacks = 0;         // packs the texts of every type need
    QList<CdTextFault> faults; // the disc's first, then the tracks', each in field order
    QByteArray file;           // empty unless writable()

    bool fits() const { return textPacks <= TextPackCapacity; }
    bool writable() const { return faults.isEmpty() && fits(); }
};

// Latin-1 when every text is printable ISO-8859-1, else MS-JIS: every
// character double-byte in CP932, ASCII as its full-width form, a space as
// U+3000, half-width katakana as full-width. Control characters fit neither.
// The codes are printable ASCII, single-byte in either block.
CdTextPacks BuildCdTextPacks(const CdTextSet& texts);

// The CRC of a pack: CRC-16 with the polynomial x^16 + x^12 + x^5 + 1 over
// its first 16 bytes, all bits inverted.
quint16 CdTextCrc(QByteArrayView packStart);
