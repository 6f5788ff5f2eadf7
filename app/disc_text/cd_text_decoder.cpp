#include "cd_text_decoder.h"

#include "cd_text_packs.h"
#include "cp932.h"

#include <algorithm>
#include <array>

namespace {

using cdtextpack::PackBytes;
using cdtextpack::TextBytes;
using cdtextpack::SizeType;
using cdtextpack::SizePacks;
using cdtextpack::DoubleByteFlag;
constexpr int MaxBlocks = 8;
constexpr int MaxTracks = 99;
constexpr quint8 CodeType = 0x8E;

struct Pack {
    quint8 type;
    quint8 track;
    quint8 flags;
    QByteArrayView text;
};

int blockOf(const Pack& pack)
{
    return (pack.flags >> 4) & 0x07;
}

// The entry's text a pack type carries; none for the types read as no text
// (genre, table of contents, closed information, size information).
QString CdTextEntry::*fieldOf(quint8 type)
{
    switch (type) {
    case 0x80: return &CdTextEntry::title;
    case 0x81: return &CdTextEntry::performer;
    case 0x82: return &CdTextEntry::songwriter;
    case 0x83: return &CdTextEntry::composer;
    case 0x84: return &CdTextEntry::arranger;
    case 0x85: return &CdTextEntry::message;
    case CodeType: return &CdTextEntry::code;
    default: return nullptr;
    }
}

// A double-byte block writes ASCII in its full-width forms and a space as
// the ideographic space, which are given back as ASCII.
QString narrowed(QString text)
{
    for (QChar& c : text) {
        if (c.unicode() == 0x3000)
            c = u' ';
        else if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            c = QChar(char16_t(c.unicode() - 0xFEE0));
    }
    return text;
}

QString decoded(const QByteArray& bytes, bool doubleByte)
{
    if (!doubleByte)
        return QString::fromLatin1(bytes);
    return narrowed(DecodeCp932(bytes).value_or(QString(QChar::ReplacementCharacter)));
}

// The texts that run on through one type's packs, each ended by a NUL
// character of the given width; a last text without its end is kept.
QList<QByteArray> splitTexts(const QByteArray& bytes, qsizetype width)
{
    QList<QByteArray> texts;
    const qsizetype whole = bytes.size() - bytes.size() % width;
    qsizetype start = 0;
    for (qsizetype at = 0; at < whole; at += width) {
        if (bytes[at] == '\0' && bytes[at + width - 1] == '\0') {
            texts.append(bytes.mid(start, at - start));
            start = at + width;
        }
    }
    if (start < whole)
        texts.append(bytes.mid(start, whole - start));
    return texts;
}

// The 36 bytes the three size-information packs share, when all three are
// there.
std::optional<std::array<quint8, SizePacks * TextBytes>> sizeInformation(const QList<Pack>& packs)
{
    std::array<quint8, SizePacks * TextBytes> info{};
    int seen = 0;
    for (const Pack& pack : packs) {
        if (pack.type != SizeType || pack.track >= SizePacks || (seen & (1 << pack.track)) != 0)
            continue;
        seen |= 1 << pack.track;
        std::copy(pack.text.begin(), pack.text.end(), info.begin() + pack.track * TextBytes);
    }
    if (seen != (1 << SizePacks) - 1)
        return std::nullopt;
    return info;
}

void readSizeInformation(CdTextBlockRead& block, const QList<Pack>& packs)
{
    constexpr int PackCountsAt = 4;
    constexpr int LanguagesAt = 28;
    const auto info = sizeInformation(packs);
    block.sizeInformation = info.has_value();
    if (!info) {
        const bool doubleByte = std::any_of(packs.begin(), packs.end(),
                                            [](const Pack& pack) { return (pack.flags & DoubleByteFlag) != 0; });
        block.characterCode = doubleByte ? 0x80 : 0x00;
        for (const Pack& pack : packs)
            block.lastTrack = std::max(block.lastTrack, std::min<int>(pack.track, MaxTracks));
        return;
    }
    block.characterCode = (*info)[0];
    block.firstTrack = std::clamp<int>((*info)[1], 1, MaxTracks);
    block.lastTrack = std::clamp<int>((*info)[2], 0, MaxTracks);
    block.language = (*info)[LanguagesAt + block.block];
    for (int type = 0x80; type <= 0x8F; ++type) {
        const int claimed = (*info)[PackCountsAt + (type & 0x0F)];
        const int held = int(std::count_if(packs.begin(), packs.end(),
                                           [type](const Pack& pack) { return pack.type == type; }));
        if (claimed != held)
            block.countMismatches.append({quint8(type), claimed, held});
    }
}

// The texts of one type, from the entry its first pack names on; texts past
// the block's last track are the padding of the last pack.
void readTexts(CdTextBlockRead& block, const QList<Pack>& packs, quint8 type)
{
    QString CdTextEntry::*field = fieldOf(type);
    QByteArray bytes;
    int entry = -1;
    for (const Pack& pack : packs) {
        if (pack.type != type)
            continue;
        if (entry < 0)
            entry = pack.track;
        bytes.append(pack.text);
    }
    if (entry < 0)
        return;
    const bool doubleByte = type != CodeType && block.code() == CdTextBlockRead::Code::MsJis;
    const qsizetype width = doubleByte ? 2 : 1;
    QString previous;
    for (const QByteArray& text : splitTexts(bytes, width)) {
        if (entry > block.lastTrack)
            break;
        const bool repeat = text == QByteArray(width, '\t');
        previous = repeat ? previous : decoded(text, doubleByte);
        CdTextEntry& target = entry == 0 ? block.texts.disc : block.texts.tracks[entry - 1];
        target.*field = previous;
        ++entry;
    }
}

CdTextBlockRead readBlock(int number, const QList<Pack>& packs)
{
    CdTextBlockRead block;
    block.block = number;
    readSizeInformation(block, packs);
    block.texts.tracks.resize(block.lastTrack);
    for (const quint8 type : {0x80, 0x81, 0x82, 0x83, 0x84, 0x85, int(CodeType)}) {
        if (type == CodeType || block.code() != CdTextBlockRead::Code::Unknown)
            readTexts(block, packs, type);
    }
    return block;
}

}  // namespace

CdTextBlockRead::Code CdTextBlockRead::code() const
{
    switch (characterCode) {
    case 0x00: return Code::Latin1;
    case 0x01: return Code::Ascii;
    case 0x80: return Code::MsJis;
    default: return Code::Unknown;
    }
}

CdTextRead ReadCdTextPacks(QByteArrayView stream)
{
    CdTextRead read;
    read.packs = int(stream.size() / PackBytes);
    read.partialPack = stream.size() % PackBytes != 0;
    std::array<QList<Pack>, MaxBlocks> blocks;
    for (int i = 0; i < read.packs; ++i) {
        const QByteArrayView bytes = stream.sliced(i * PackBytes, PackBytes);
        const Pack pack{quint8(bytes[0]), quint8(bytes[1]), quint8(bytes[3]), bytes.sliced(4, TextBytes)};
        if (CdTextCrc(bytes) != ((quint8(bytes[16]) << 8) | quint8(bytes[17])))
            read.badCrcPacks.append(i + 1);
        if (pack.type >= 0x80)
            blocks[blockOf(pack)].append(pack);
    }
    for (int number = 0; number < MaxBlocks; ++number) {
        if (!blocks[number].isEmpty())
            read.blocks.append(readBlock(number, blocks[number]));
    }
    return read;
}
