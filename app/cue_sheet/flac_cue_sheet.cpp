#include "flac_cue_sheet.h"

#include "disc_codes.h"

#include <QCoreApplication>

#include <utility>

namespace {

const QByteArrayView FlacMarker("fLaC");
constexpr qsizetype FlacBlockHeaderSize = 4;
constexpr int StreamInfoBlock = 0;
constexpr int CommentBlock = 4;
constexpr int CueSheetBlock = 5;
constexpr qsizetype StreamInfoSize = 34;
// A CUESHEET block: the catalog number (128 bytes), the lead-in (8), a flag
// byte with 258 reserved bytes, the number of tracks (1); then each track:
// its offset (8), number (1), ISRC (12), a flag byte with 13 reserved bytes,
// the number of its index points (1); then each point: its offset (8),
// number (1) and 3 reserved bytes. Numbers are big-endian.
constexpr qsizetype CatalogBytes = 128;
constexpr qsizetype CueSheetHeaderSize = 396;
constexpr qsizetype CueTrackSize = 36;
constexpr qsizetype CueTrackIsrcAt = 9;
constexpr qsizetype IsrcBytes = 12;
constexpr qsizetype CueTrackFlagsAt = 21;
constexpr qsizetype CueIndexSize = 12;
constexpr int LeadOutTrack = 170;
constexpr int NonCdLeadOutTrack = 255;
constexpr int LastCdTrack = 99;
constexpr int LastCdIndex = 99;
// Offsets beyond this (290 days at 44.1 kHz, 16 days at 768 kHz) are no
// recording's; the bound keeps their conversion inside 64 bits.
constexpr quint64 MaxStreamOffset = quint64(1) << 40;
constexpr qint64 SheetRate = 44100;

quint64 bigEndianAt(QByteArrayView bytes, qsizetype at, int size)
{
    quint64 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

quint32 littleEndian32At(QByteArrayView bytes, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// ASCII bytes up to the first NUL.
QString asciiField(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.first(end));
}

SheetReading damagedBlock()
{
    return {std::nullopt, {0, QCoreApplication::translate("CueSheetReader", "FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸが壊れています。")}};
}

// What the metadata blocks at the head of a FLAC file hold for a sheet.
struct FlacSheetBlocks {
    quint32 sampleRate = 0;
    std::optional<QByteArrayView> cueSheet;
    bool cueSheetCut = false;  // a CUESHEET block runs beyond the head
    std::optional<QByteArrayView> sheetComment;
};

// The value of the first comment named CUESHEET in a Vorbis comment block
// (little-endian: the vendor's length and text, the number of comments, then
// each comment's length and "NAME=value"), as far as the bytes go.
std::optional<QByteArrayView> sheetCommentIn(QByteArrayView block)
{
    const QByteArrayView name("CUESHEET=");
    if (block.size() < 4)
        return std::nullopt;
    qsizetype at = 4 + qsizetype(littleEndian32At(block, 0));
    if (at > block.size() - 4)
        return std::nullopt;
    const quint32 count = littleEndian32At(block, at);
    at += 4;
    for (quint32 i = 0; i < count && at <= block.size() - 4; ++i) {
        const qsizetype length = qsizetype(littleEndian32At(block, at));
        at += 4;
        if (length > block.size() - at)
            return std::nullopt;
        const QByteArrayView comment = block.sliced(at, length);
        if (comment.size() >= name.size() &&
            QLatin1String(comment.first(name.size())).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return comment.sliced(name.size());
        at += length;
    }
    return std::nullopt;
}

FlacSheetBlocks flacSheetBlocks(QByteArrayView head)
{
    FlacSheetBlocks found;
    qsizetype at = FlacMarker.size();
    while (at <= head.size() - FlacBlockHeaderSize) {
        const int type = quint8(head[at]) & 0x7F;
        const bool last = (quint8(head[at]) & 0x80) != 0;
        const qsizetype length = qsizetype(bigEndianAt(head, at + 1, 3));
        at += FlacBlockHeaderSize;
        const bool whole = length <= head.size() - at;
        const QByteArrayView block = head.sliced(at, whole ? length : head.size() - at);
        if (type == StreamInfoBlock && whole && length >= StreamInfoSize) {
            // The rate's 20 bits follow the block and frame sizes' 10 bytes.
            found.sampleRate = quint32(bigEndianAt(block, 10, 3) >> 4);
        } else if (type == CueSheetBlock && !found.cueSheet && !found.cueSheetCut) {
            if (whole)
                found.cueSheet = block;
            else
                found.cueSheetCut = true;
        } else if (type == CommentBlock && !found.sheetComment) {
            found.sheetComment = sheetCommentIn(block);
        }
        if (last || !whole)
            break;
        at += length;
    }
    return found;
}

// A CUESHEET block as a sheet of one file.
SheetReading readCueSheetBlock(QByteArrayView block, quint32 sampleRate)
{
    if (sampleRate == 0 || block.size() < CueSheetHeaderSize)
        return damagedBlock();
    ReadSheet sheet;
    sheet.files.append(SheetFile());
    const auto catalog = CheckedCatalog(asciiField(block.first(CatalogBytes)));
    if (catalog && !catalog->isEmpty())
        sheet.disc.catalog = *catalog;
    const int trackCount = quint8(block[CueSheetHeaderSize - 1]);
    qsizetype at = CueSheetHeaderSize;
    qint64 lastSamples = -1;
    for (int t = 0; t < trackCount; ++t) {
        if (CueTrackSize > block.size() - at)
            return damagedBlock();
        const quint64 trackOffset = bigEndianAt(block, at, 8);
        const int number = quint8(block[at + 8]);
        const bool audio = (quint8(block[at + CueTrackFlagsAt]) & 0x80) == 0;
        const int indexCount = quint8(block[at + CueTrackSize - 1]);
        const QByteArrayView isrc = block.sliced(at + CueTrackIsrcAt, IsrcBytes);
        at += CueTrackSize;
        if (qsizetype(indexCount) * CueIndexSize > block.size() - at || trackOffset > MaxStreamOffset)
            return damagedBlock();
        if ((number == LeadOutTrack || number == NonCdLeadOutTrack) && t == trackCount - 1)
            break;
        if (number < 1 || number > LastCdTrack || (!sheet.tracks.isEmpty() && number <= sheet.tracks.last().number))
            return damagedBlock();
        if (!audio)
            return {std::nullopt, {0, QCoreApplication::translate("CueSheetReader", "FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸのﾄﾗｯｸ %1 はｵｰﾃﾞｨｵﾄﾗｯｸではありません。")
                                          .arg(number)}};
        SheetTrack track;
        track.number = number;
        track.texts.isrc = CheckedIsrc(asciiField(isrc)).value_or(QString());
        int lastIndex = -1;
        bool started = false;
        for (int i = 0; i < indexCount; ++i, at += CueIndexSize) {
            const quint64 pointOffset = bigEndianAt(block, at, 8);
            const quint64 offset = trackOffset + pointOffset;
            const int index = quint8(block[at + 8]);
            if (pointOffset > MaxStreamOffset || index <= lastIndex || index > LastCdIndex)
                return damagedBlock();
            // Positions rise from index to index, at 44.1 kHz too.
            const qint64 samples = qint64((offset * SheetRate + sampleRate / 2) / sampleRate);
            if (samples <= lastSamples)
                return damagedBlock();
            lastIndex = index;
            lastSamples = samples;
            if (index == 0) {
                track.index00 = samples;
            } else if (index == 1) {
                track.index01 = samples;
                started = true;
            }
        }
        if (!started)
            return {std::nullopt, {0, QCoreApplication::translate("CueSheetReader", "FLACﾌｧｲﾙのCUESHEETﾌﾞﾛｯｸのﾄﾗｯｸ %1 にINDEX 01がありません。")
                                          .arg(number)}};
        sheet.tracks.append(track);
    }
    if (sheet.tracks.isEmpty())
        return {std::nullopt, {0, QCoreApplication::translate("CueSheetReader", "CUEｼｰﾄにﾄﾗｯｸがありません。")}};
    return {std::move(sheet), {}};
}

// A comment's sheet, which must name one file: the FLAC file.
SheetReading readSheetComment(QByteArrayView text)
{
    SheetReading reading = ReadCueSheet(text);
    if (!reading.sheet)
        return reading;
    if (reading.sheet->files.size() > 1) {
        const int line = reading.sheet->files[1].line;
        return {std::nullopt, {line, QCoreApplication::translate("CueSheetReader", "CUEｼｰﾄの%1行目: ").arg(line) +
                                         QCoreApplication::translate("CueSheetReader", "FLACﾌｧｲﾙに埋め込まれたCUEｼｰﾄが2つ目のﾌｧｲﾙを指定しています。")}};
    }
    reading.sheet->files[0].name.clear();
    return reading;
}

}  // namespace

SheetReading ReadFlacCueSheet(QByteArrayView fileHead)
{
    if (!fileHead.startsWith(FlacMarker))
        return {};
    const FlacSheetBlocks blocks = flacSheetBlocks(fileHead);
    if (blocks.cueSheet)
        return readCueSheetBlock(*blocks.cueSheet, blocks.sampleRate);
    if (blocks.sheetComment)
        return readSheetComment(*blocks.sheetComment);
    if (blocks.cueSheetCut)
        return damagedBlock();
    return {};
}
