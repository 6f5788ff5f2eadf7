#include "cd_text_packs.h"

#include "cp932.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using cdtextpack::PackBytes;
using cdtextpack::TextBytes;
using cdtextpack::SizeType;
using cdtextpack::SizePacks;
using cdtextpack::DoubleByteFlag;
constexpr int MaxCharacterPosition = 15;

struct BlockCode {
    quint8 characterCode;
    quint8 language;
};

BlockCode blockCode(CdTextCharset charset)
{
    return charset == CdTextCharset::Latin1 ? BlockCode{0x00, 0x09} : BlockCode{0x80, 0x69};
}

// A pack type and the text of each entry it carries. The texts of 0x80 to
// 0x85 follow the block's character code; 0x8E (the catalog number and the
// ISRCs) is ASCII in every block, and libburn's decoder reads it so.
struct PackType {
    quint8 type;
    CdTextField field;
    QString CdTextEntry::*text;
    bool always;  // written even when every text is empty
};

constexpr std::array<PackType, 7> PackTypes = {{
    {0x80, CdTextField::Title, &CdTextEntry::title, true},
    {0x81, CdTextField::Performer, &CdTextEntry::performer, true},
    {0x82, CdTextField::Songwriter, &CdTextEntry::songwriter, false},
    {0x83, CdTextField::Composer, &CdTextEntry::composer, false},
    {0x84, CdTextField::Arranger, &CdTextEntry::arranger, false},
    {0x85, CdTextField::Message, &CdTextEntry::message, false},
    {0x8E, CdTextField::Code, &CdTextEntry::code, false},
}};

bool inBlockCode(const PackType& type)
{
    return type.field != CdTextField::Code;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

bool fitsLatin1(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() <= 0xFF && !isControl(c.unicode()); });
}

bool isPrintableAscii(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

bool isHalfWidthKatakana(QChar c)
{
    return c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F;
}

// Half-width katakana made full-width, a voiced mark joined with the kana
// before it ("ﾀﾞ" becomes "ダ").
QString withFullWidthKatakana(const QString& text)
{
    QString result;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype end = i;
        while (end < text.size() && isHalfWidthKatakana(text[end]))
            ++end;
        if (end == i) {
            result += text[i++];
            continue;
        }
        result += text.mid(i, end - i).normalized(QString::NormalizationForm_KC);
        i = end;
    }
    return result;
}

// The character as a double-byte block writes it: ASCII in its full-width
// form, a space as the ideographic space.
QString doubleByteForm(char32_t c)
{
    if (c == u' ')
        return QString(QChar(0x3000));
    if (c > 0x20 && c < 0x7F)
        return QString(QChar(char16_t(c + 0xFEE0)));
    return QString::fromUcs4(&c, 1);
}

// A text's bytes in the block's code, its terminator included; or the first
// character the code cannot hold.
struct EncodedText {
    QByteArray bytes;
    std::optional<QString> refused;
};

EncodedText encodeAscii(const QString& text)
{
    const auto refused = std::find_if_not(text.begin(), text.end(), isPrintableAscii);
    if (refused != text.end())
        return {QByteArray(), QString(*refused)};
    return {text.toLatin1() + '\0', std::nullopt};
}

EncodedText encode(const QString& text, CdTextCharset charset)
{
    if (charset == CdTextCharset::Latin1)
        return {text.toLatin1() + '\0', std::nullopt};
    EncodedText encoded;
    for (const uint code : withFullWidthKatakana(text).toUcs4()) {
        const char32_t c = code;
        const auto bytes = isControl(c) ? std::nullopt : EncodeCp932(doubleByteForm(c));
        if (!bytes || bytes->size() != 2) {
            encoded.refused = QString::fromUcs4(&c, 1);
            return encoded;
        }
        encoded.bytes += *bytes;
    }
    encoded.bytes += QByteArray(2, '\0');
    return encoded;
}

// Writes one pack's header and text and its CRC.
void appendPack(QByteArray& file, quint8 type, quint8 track, int sequence, quint8 flags, QByteArrayView text)
{
    QByteArray pack(PackBytes, '\0');
    pack[0] = char(type);
    pack[1] = char(track);
    pack[2] = char(sequence);
    pack[3] = char(flags);
    std::copy(text.begin(), text.end(), pack.begin() + 4);
    const quint16 crc = CdTextCrc(pack);
    pack[16] = char(crc >> 8);
    pack[17] = char(crc & 0xFF);
    file += pack;
}

// The packs of one type: the texts run on through 12-byte pieces; each piece
// names the entry its first byte belongs to and how many of that text's
// characters came before it.
void appendTextPacks(QByteArray& file, quint8 type, const QList<QByteArray>& texts, int characterBytes,
                     int sequence)
{
    QByteArray stream;
    QList<int> starts;
    for (const QByteArray& text : texts) {
        starts.append(int(stream.size()));
        stream += text;
    }
    const quint8 flag = characterBytes == 2 ? DoubleByteFlag : 0;
    for (int offset = 0, pack = 0; offset < stream.size(); offset += TextBytes, ++pack) {
        const int entry = int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1;
        const int position = std::min((offset - starts[entry]) / characterBytes, MaxCharacterPosition);
        const QByteArray piece = stream.mid(offset, TextBytes).leftJustified(TextBytes, '\0');
        appendPack(file, type, quint8(entry), sequence + pack, flag | quint8(position), piece);
    }
}

// The texts of one pack type in entry order, and the packs they fill.
struct TypeTexts {
    const PackType* type;
    QList<QByteArray> texts;
    int packs;
};

bool fitsLatin1Block(const CdTextEntry* entry)
{
    return std::all_of(PackTypes.begin(), PackTypes.end(),
                       [entry](const PackType& type) { return !inBlockCode(type) || fitsLatin1(entry->*type.text); });
}

int packsFor(const QList<QByteArray>& texts)
{
    qsizetype bytes = 0;
    for (const QByteArray& text : texts)
        bytes += text.size();
    return int((bytes + TextBytes - 1) / TextBytes);
}

// The texts of every type the disc has any text of (titles and performers
// always), each entry's refused characters added to faults in entry, then
// type order.
QList<TypeTexts> encodeTexts(const QList<const CdTextEntry*>& entries, CdTextCharset charset,
                             QList<CdTextFault>& faults)
{
    QList<TypeTexts> types;
    for (const PackType& type : PackTypes) {
        const bool any = std::any_of(entries.begin(), entries.end(),
                                     [&type](const CdTextEntry* entry) { return !(entry->*type.text).isEmpty(); });
        if (type.always || any)
            types.append({&type, {}, 0});
    }
    for (qsizetype entry = 0; entry < entries.size(); ++entry) {
        const std::optional<int> track = entry == 0 ? std::nullopt : std::optional(int(entry) - 1);
        for (TypeTexts& type : types) {
            const QString& text = entries[entry]->*type.type->text;
            const EncodedText bytes = inBlockCode(*type.type) ? encode(text, charset) : encodeAscii(text);
            if (bytes.refused)
                faults.append({track, type.type->field, *bytes.refused});
            type.texts.append(bytes.bytes);
        }
    }
    for (TypeTexts& type : types)
        type.packs = packsFor(type.texts);
    return types;
}

// The three size-information packs share one 36-byte record: the block's
// character code, first and last track, copyright flag, the number of packs
// of each type 0x80..0x8F, the last sequence number of each of the eight
// blocks and the language of each block.
void appendSizePacks(QByteArray& file, const BlockCode& code, int tracks, const QList<TypeTexts>& types)
{
    constexpr int PackCountsAt = 4;
    constexpr int LastSequencesAt = 20;
    constexpr int LanguagesAt = 28;
    int sequence = 0;
    std::array<char, SizePacks * TextBytes> info{};
    info[0] = char(code.characterCode);
    info[1] = 1;
    info[2] = char(tracks);
    for (const TypeTexts& type : types) {
        info[PackCountsAt + (type.type->type & 0x0F)] = char(type.packs);
        sequence += type.packs;
    }
    info[PackCountsAt + (SizeType & 0x0F)] = SizePacks;
    info[LastSequencesAt] = char(sequence + SizePacks - 1);
    info[LanguagesAt] = char(code.language);
    for (int part = 0; part < SizePacks; ++part)
        appendPack(file, SizeType, quint8(part), sequence + part, 0,
                   QByteArrayView(info.data() + part * TextBytes, TextBytes));
}

}  // namespace

quint16 CdTextCrc(QByteArrayView packStart)
{
    // The CRC of every byte value, worked out bit by bit once: reading an
    // image checks every pack.
    static constexpr std::array<quint16, 256> Table = [] {
        std::array<quint16, 256> table{};
        for (int value = 0; value < 256; ++value) {
            quint16 crc = quint16(value << 8);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) ? quint16((crc << 1) ^ 0x1021) : quint16(crc << 1);
            table[value] = crc;
        }
        return table;
    }();
    quint16 crc = 0;
    for (qsizetype i = 0; i < 16; ++i)
        crc = quint16((crc << 8) ^ Table[(crc >> 8) ^ quint8(packStart[i])]);
    return quint16(~crc);
}

CdTextPacks BuildCdTextPacks(const CdTextSet& texts)
{
    QList<const CdTextEntry*> entries{&texts.disc};
    for (const CdTextEntry& track : texts.tracks)
        entries.append(&track);
    CdTextPacks result;
    result.charset = std::all_of(entries.begin(), entries.end(), fitsLatin1Block) ? CdTextCharset::Latin1
                                                                                   : CdTextCharset::MsJis;
    const QList<TypeTexts> types = encodeTexts(entries, result.charset, result.faults);
    for (const TypeTexts& type : types)
        result.textPacks += type.packs;
    if (!result.writable() || texts.tracks.isEmpty())
        return result;

    QByteArray packs;
    int sequence = 0;
    for (const TypeTexts& type : types) {
        const bool doubleByte = inBlockCode(*type.type) && result.charset == CdTextCharset::MsJis;
        appendTextPacks(packs, type.type->type, type.texts, doubleByte ? 2 : 1, sequence);
        sequence += type.packs;
    }
    appendSizePacks(packs, blockCode(result.charset), int(texts.tracks.size()), types);
    const int length = int(packs.size()) + 2;
    result.file = QByteArray(4, '\0') + packs;
    result.file[0] = char(length >> 8);
    result.file[1] = char(length & 0xFF);
    return result;
}
