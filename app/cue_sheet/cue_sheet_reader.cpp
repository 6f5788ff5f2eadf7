#include "cue_sheet_reader.h"

#include "byte_text.h"
#include "cd_frame.h"
#include "disc_codes.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

// A sheet a program wrote or a person typed takes a few hundred lines for
// 99 tracks; one far longer is no CUE sheet, and reading stops there.
constexpr int MaxSheetLines = 10000;
constexpr int64_t MaxTrackNumber = 99;
constexpr int64_t MaxIndexNumber = 99;
// A track or index number of more digits than this is out of range anyway;
// the bound keeps its value inside 64 bits.
constexpr int MaxNumberDigits = 9;
// A time's minutes have at most this many digits, which keeps every
// position far inside 64 bits (up to 1.9 years of audio).
constexpr int MaxMinuteDigits = 6;
// A file's length is taken up to this many samples (200 years), and the
// recording's up to MaxRecordingSamples, so that positions added up stay
// inside 64 bits.
constexpr int64_t MaxFileSamples = int64_t(1) << 48;
constexpr int64_t MaxRecordingSamples = int64_t(1) << 60;
// A word of the sheet shown in a message is cut to this many characters, a
// file's name to the longest that Linux file systems store.
constexpr qsizetype MaxShownWord = 32;
constexpr qsizetype MaxShownName = 255;
const QByteArrayView Utf8ByteOrderMark("\xEF\xBB\xBF");

QString numberText(int64_t number)
{
    return QString::number(number);
}

// Something the sheet says, as a message shows it: cut after limit
// characters.
QString shownWord(QStringView word, qsizetype limit = MaxShownWord)
{
    if (word.size() <= limit)
        return word.toString();
    const qsizetype kept = word[limit - 1].isHighSurrogate() ? limit - 1 : limit;
    return word.first(kept).toString() + u'…';
}

// A position as the sheet writes it, mm:ss:ff, rounded down to its frame.
QString sheetTime(int64_t samples)
{
    const int64_t frames = samples / cdframe::Samples;
    const auto twoDigits = [](int64_t value) { return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0')); };
    return twoDigits(frames / (60 * cdframe::PerSecond)) + u':' + twoDigits(frames / cdframe::PerSecond % 60) + u':' +
           twoDigits(frames % cdframe::PerSecond);
}

// A fault at line, the message naming the line where there is one.
SheetFault faultAt(int line, const QString& problem)
{
    if (line <= 0)
        return {0, problem};
    return {line, QCoreApplication::translate("CueSheetReader", "CUEｼｰﾄの%1行目: ").arg(line) + problem};
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView withoutBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// One word of a command line: a run of characters up to a blank, or a text
// between double quotes (a sheet has no escape for a quote inside one).
struct SheetWord {
    enum Kind { Missing, Bare, Quoted, OpenQuote };
    Kind kind = Missing;
    QStringView text;
    QStringView rest;  // the line after the word

    bool found() const { return kind == Bare || kind == Quoted; }
};

SheetWord firstWord(QStringView line)
{
    qsizetype begin = 0;
    while (begin < line.size() && isBlank(line[begin]))
        ++begin;
    if (begin == line.size())
        return {};
    if (line[begin] == u'"') {
        const qsizetype close = line.indexOf(u'"', begin + 1);
        if (close < 0)
            return {SheetWord::OpenQuote, {}, {}};
        return {SheetWord::Quoted, line.sliced(begin + 1, close - begin - 1), line.sliced(close + 1)};
    }
    qsizetype end = begin;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    return {SheetWord::Bare, line.sliced(begin, end - begin), line.sliced(end)};
}

// The value of one to maxDigits decimal digits; nothing for anything else.
std::optional<int64_t> digitsValue(QStringView digits, int maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// The CD frames of a time mm:ss:ff: seconds below 60 and frames below 75,
// each of one or two digits.
std::optional<int64_t> framesOfTime(QStringView time)
{
    const qsizetype first = time.indexOf(u':');
    const qsizetype second = first < 0 ? -1 : time.indexOf(u':', first + 1);
    if (second < 0)
        return std::nullopt;
    const auto minutes = digitsValue(time.first(first), MaxMinuteDigits);
    const auto seconds = digitsValue(time.sliced(first + 1, second - first - 1), 2);
    const auto frames = digitsValue(time.sliced(second + 1), 2);
    if (!minutes || !seconds || !frames || *seconds >= 60 || *frames >= cdframe::PerSecond)
        return std::nullopt;
    return (*minutes * 60 + *seconds) * cdframe::PerSecond + *frames;
}

bool isCommand(QStringView word, const char* command)
{
    return word.compare(QLatin1String(command), Qt::CaseInsensitive) == 0;
}

// Reads a sheet line by line into a ReadSheet; the first fault ends the
// reading.
class SheetLineReader {
public:
    std::optional<SheetFault> read(int line, QStringView text);
    // After the last line: a track at all, and the last one's INDEX 01.
    std::optional<SheetFault> finish();

    ReadSheet sheet;

private:
    std::optional<SheetFault> readFile(int line, QStringView arguments);
    std::optional<SheetFault> readTrack(int line, QStringView arguments);
    std::optional<SheetFault> readIndex(int line, QStringView arguments);
    std::optional<SheetFault> readText(int line, QStringView command, QStringView arguments);
    std::optional<SheetFault> readCode(int line, QStringView command, QStringView arguments);
    std::optional<SheetFault> lastTrackStarted() const;

    // The last INDEX time in the current file, in frames.
    std::optional<int64_t> m_lastTimeInFile;
    // The last index number of the current track, -1 before its first.
    int64_t m_lastIndexNumber = -1;
};

SheetFault missingArgument(int line, QStringView command)
{
    return faultAt(line, QCoreApplication::translate("CueSheetReader", "%1 の引数が足りません。").arg(command.toString().toUpper()));
}

SheetFault openQuote(int line)
{
    return faultAt(line, QCoreApplication::translate("CueSheetReader", "二重引用符(\")が閉じていません。"));
}

// The fault of a word that is not there or whose quote does not close.
SheetFault wordFault(int line, QStringView command, const SheetWord& word)
{
    return word.kind == SheetWord::OpenQuote ? openQuote(line) : missingArgument(line, command);
}

SheetFault noIndex01Fault(const SheetTrack& track)
{
    return faultAt(track.line, QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ %1 にINDEX 01がありません。")
                                   .arg(numberText(track.number)));
}

SheetFault noTrackFault()
{
    return faultAt(0, QCoreApplication::translate("CueSheetReader", "CUEｼｰﾄにﾄﾗｯｸがありません。"));
}

std::optional<SheetFault> SheetLineReader::read(int line, QStringView text)
{
    const SheetWord command = firstWord(text);
    // A blank line, or a quoted text where a command belongs: nothing to take.
    if (command.kind != SheetWord::Bare)
        return std::nullopt;
    if (isCommand(command.text, "FILE"))
        return readFile(line, command.rest);
    if (isCommand(command.text, "TRACK"))
        return readTrack(line, command.rest);
    if (isCommand(command.text, "INDEX"))
        return readIndex(line, command.rest);
    if (isCommand(command.text, "TITLE") || isCommand(command.text, "PERFORMER") ||
        isCommand(command.text, "SONGWRITER"))
        return readText(line, command.text, command.rest);
    if (isCommand(command.text, "ISRC") || isCommand(command.text, "CATALOG"))
        return readCode(line, command.text, command.rest);
    // REM, PREGAP, POSTGAP, FLAGS, CDTEXTFILE and the rest do not mark the
    // tracks' starts or texts.
    return std::nullopt;
}

// FILE "name" TYPE, or FILE name TYPE with the name bare: then everything
// before the last word is the name, blanks and all, as people type it.
std::optional<SheetFault> SheetLineReader::readFile(int line, QStringView arguments)
{
    const SheetWord name = firstWord(arguments);
    if (!name.found())
        return wordFault(line, u"FILE", name);
    QString fileName;
    if (name.kind == SheetWord::Quoted) {
        const SheetWord type = firstWord(name.rest);
        if (!type.found())
            return wordFault(line, u"FILE", type);
        fileName = name.text.toString();
    } else {
        const QStringView nameAndType = withoutBlanks(arguments);
        qsizetype typeStart = nameAndType.size();
        while (typeStart > 0 && !isBlank(nameAndType[typeStart - 1]))
            --typeStart;
        if (typeStart == 0)
            return missingArgument(line, u"FILE");
        fileName = withoutBlanks(nameAndType.first(typeStart)).toString();
    }
    if (fileName.isEmpty())
        return missingArgument(line, u"FILE");
    sheet.files.append(SheetFile{fileName, line});
    m_lastTimeInFile.reset();
    return std::nullopt;
}

// TRACK nn AUDIO.
std::optional<SheetFault> SheetLineReader::readTrack(int line, QStringView arguments)
{
    if (auto fault = lastTrackStarted())
        return fault;
    if (sheet.files.isEmpty())
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "FILEより前にTRACKがあります。"));
    const SheetWord number = firstWord(arguments);
    if (!number.found())
        return wordFault(line, u"TRACK", number);
    const auto value = digitsValue(number.text, MaxNumberDigits);
    if (!value || *value < 1 || *value > MaxTrackNumber)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ番号 %1 は1から99までの数でなければなりません。")
                                 .arg(shownWord(number.text)));
    if (!sheet.tracks.isEmpty() && *value <= sheet.tracks.last().number)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ番号 %1 が前のﾄﾗｯｸの番号 %2 より大きくありません。")
                                 .arg(numberText(*value), numberText(sheet.tracks.last().number)));
    const SheetWord type = firstWord(number.rest);
    if (!type.found())
        return wordFault(line, u"TRACK", type);
    if (!isCommand(type.text, "AUDIO"))
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ %1 はｵｰﾃﾞｨｵ(AUDIO)ではなく %2 のﾄﾗｯｸです。")
                                 .arg(numberText(*value), shownWord(type.text)));
    SheetTrack track;
    track.number = int(*value);
    track.line = line;
    track.file = int(sheet.files.size() - 1);
    sheet.tracks.append(track);
    m_lastIndexNumber = -1;
    return std::nullopt;
}

// INDEX nn mm:ss:ff.
std::optional<SheetFault> SheetLineReader::readIndex(int line, QStringView arguments)
{
    if (sheet.tracks.isEmpty())
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "TRACKより前にINDEXがあります。"));
    const SheetWord number = firstWord(arguments);
    if (!number.found())
        return wordFault(line, u"INDEX", number);
    const auto value = digitsValue(number.text, MaxNumberDigits);
    if (!value || *value > MaxIndexNumber)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "ｲﾝﾃﾞｯｸｽ番号 %1 は0から99までの数でなければなりません。")
                                 .arg(shownWord(number.text)));
    if (*value <= m_lastIndexNumber)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "ｲﾝﾃﾞｯｸｽ番号 %1 が同じﾄﾗｯｸの前のｲﾝﾃﾞｯｸｽ番号 %2 より大きくありません。")
                                 .arg(numberText(*value), numberText(m_lastIndexNumber)));
    const SheetWord time = firstWord(number.rest);
    if (!time.found())
        return wordFault(line, u"INDEX", time);
    const auto frames = framesOfTime(time.text);
    if (!frames)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "時刻 %1 が読めません。時刻はmm:ss:ffの形で、秒は59まで、ﾌﾚｰﾑは74までです。")
                                 .arg(shownWord(time.text)));
    if (m_lastTimeInFile && *frames <= *m_lastTimeInFile)
        return faultAt(line, QCoreApplication::translate("CueSheetReader", "INDEXの時刻 %1 が同じﾌｧｲﾙの前のINDEXの時刻 %2 より後ではありません。")
                                 .arg(sheetTime(*frames * cdframe::Samples), sheetTime(*m_lastTimeInFile * cdframe::Samples)));
    m_lastIndexNumber = *value;
    m_lastTimeInFile = frames;
    SheetTrack& track = sheet.tracks.last();
    const int file = int(sheet.files.size() - 1);
    if (*value == 0) {
        track.index00 = *frames * cdframe::Samples;
        track.index00File = file;
        track.index00Line = line;
    } else if (*value == 1) {
        track.index01 = *frames * cdframe::Samples;
        track.file = file;
        track.index01Line = line;
    }
    return std::nullopt;
}

// TITLE, PERFORMER or SONGWRITER: the disc's before the first track, the
// track's after it. A bare text runs to the end of the line.
std::optional<SheetFault> SheetLineReader::readText(int line, QStringView command, QStringView arguments)
{
    const SheetWord word = firstWord(arguments);
    if (!word.found())
        return wordFault(line, command, word);
    const QString text = word.kind == SheetWord::Quoted ? withoutBlanks(word.text).toString()
                                                        : withoutBlanks(arguments).toString();
    if (text.isEmpty())
        return std::nullopt;
    if (sheet.tracks.isEmpty()) {
        auto& field = isCommand(command, "TITLE")       ? sheet.disc.title
                      : isCommand(command, "PERFORMER") ? sheet.disc.performer
                                                        : sheet.disc.songwriter;
        field = text;
    } else {
        TrackTexts& texts = sheet.tracks.last().texts;
        QString& field = isCommand(command, "TITLE")       ? texts.title
                         : isCommand(command, "PERFORMER") ? texts.performer
                                                           : texts.songwriter;
        field = text;
    }
    return std::nullopt;
}

// ISRC for the current track, CATALOG for the disc, each kept only when it
// keeps its rules.
std::optional<SheetFault> SheetLineReader::readCode(int line, QStringView command, QStringView arguments)
{
    const SheetWord word = firstWord(arguments);
    const QStringView code = withoutBlanks(word.text);
    if (!word.found() || code.isEmpty())
        return wordFault(line, command, word);
    const bool catalog = isCommand(command, "CATALOG");
    const auto checked = catalog ? CheckedCatalog(code) : CheckedIsrc(code);
    if (!checked || (!catalog && sheet.tracks.isEmpty())) {
        sheet.invalidCodeLines.append(line);
        return std::nullopt;
    }
    // Blanks of other kinds only, which the code's rules take for no code.
    if (checked->isEmpty())
        return std::nullopt;
    if (catalog)
        sheet.disc.catalog = *checked;
    else
        sheet.tracks.last().texts.isrc = *checked;
    return std::nullopt;
}

// The fault of a last track that has no INDEX 01; nothing when it has one.
std::optional<SheetFault> SheetLineReader::lastTrackStarted() const
{
    if (sheet.tracks.isEmpty() || sheet.tracks.last().index01Line != 0)
        return std::nullopt;
    return noIndex01Fault(sheet.tracks.last());
}

std::optional<SheetFault> SheetLineReader::finish()
{
    if (sheet.tracks.isEmpty())
        return noTrackFault();
    return lastTrackStarted();
}

// The start of the next line after a line ending at end (CRLF, LF or CR).
qsizetype nextLineStart(QStringView text, qsizetype end)
{
    if (end == text.size())
        return end;
    if (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
        return end + 2;
    return end + 1;
}

int64_t nearestFrame(int64_t samples)
{
    return (samples + cdframe::Samples / 2) / cdframe::Samples * cdframe::Samples;
}

// The fault of an INDEX outside its file, or nothing when it lies inside.
std::optional<SheetFault> indexOutside(const ReadSheet& sheet, const SheetTrack& track, int index, int64_t position,
                                       int file, int line, const QList<int64_t>& lengths)
{
    if (position >= 0 && position < lengths[file])
        return std::nullopt;
    const QString problem =
        QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ %1 のINDEX %2 (%3) がﾌｧｲﾙ %4 の終わり (%5) 以降にあります。");
    return faultAt(line, problem.arg(numberText(track.number), QStringLiteral("%1").arg(index, 2, 10, QChar(u'0')),
                                     sheetTime(std::max<int64_t>(position, 0)),
                                     shownWord(sheet.files[file].name, MaxShownName), sheetTime(lengths[file])));
}

// The fault of a track whose start, rounded to a CD frame, meets the start
// before it or, atEnd, the recording's end.
SheetFault roundedStartFault(const SheetTrack& track, bool atEnd)
{
    const QString problem =
        atEnd ? QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ %1 の始まりをCDのﾌﾚｰﾑ(1/75秒)に合わせると、録音の終わりと重なります。")
              : QCoreApplication::translate("CueSheetReader", "ﾄﾗｯｸ %1 の始まりをCDのﾌﾚｰﾑ(1/75秒)に合わせると、その前の始まりと重なります。");
    return faultAt(track.index01Line, problem.arg(numberText(track.number)));
}


}  // namespace

SheetReading ReadCueSheet(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8ByteOrderMark))
        bytes = bytes.sliced(Utf8ByteOrderMark.size());
    const QString text = DecodeTextBytes(bytes);
    SheetLineReader reader;
    qsizetype start = 0;
    for (int line = 1; start < text.size(); ++line) {
        if (line > MaxSheetLines)
            return {std::nullopt, faultAt(line, QCoreApplication::translate("CueSheetReader", "CUEｼｰﾄが%1行を超えています。")
                                                    .arg(MaxSheetLines))};
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (auto fault = reader.read(line, QStringView(text).sliced(start, end - start)))
            return {std::nullopt, *std::move(fault)};
        start = nextLineStart(text, end);
    }
    if (auto fault = reader.finish())
        return {std::nullopt, *std::move(fault)};
    return {std::move(reader.sheet), {}};
}

SheetPlacing PlaceSheet(const ReadSheet& sheet, const QList<int64_t>& fileSamples)
{
    // Each file's length and its start in the recording; a track's file
    // beyond the list counts as empty too.
    QList<int64_t> lengths;
    QList<int64_t> offsets;
    int64_t total = 0;
    for (qsizetype i = 0; i < sheet.files.size(); ++i) {
        lengths.append(i < fileSamples.size() ? std::clamp<int64_t>(fileSamples[i], 0, MaxFileSamples) : 0);
        offsets.append(total);
        total = std::min(total + lengths.last(), MaxRecordingSamples);
    }
    const auto fileOf = [&](int file) { return file >= 0 && file < sheet.files.size() ? file : -1; };

    SheetPlan plan;
    plan.disc = sheet.disc;
    for (const SheetTrack& track : sheet.tracks) {
        const int startFile = fileOf(track.file);
        const int gapFile = fileOf(track.index00File);
        if (startFile < 0 || (track.index00 && gapFile < 0))
            return {std::nullopt, noIndex01Fault(track)};
        if (track.index00)
            if (auto fault = indexOutside(sheet, track, 0, *track.index00, gapFile, track.index00Line, lengths))
                return {std::nullopt, *std::move(fault)};
        if (auto fault = indexOutside(sheet, track, 1, track.index01, startFile, track.index01Line, lengths))
            return {std::nullopt, *std::move(fault)};
        const int64_t start = nearestFrame(offsets[startFile] + track.index01);
        if (plan.pieces.isEmpty() && start > 0)
            plan.pieces.append(SheetPiece{0, {}});
        if (!plan.pieces.isEmpty() && start <= plan.pieces.last().start)
            return {std::nullopt, roundedStartFault(track, false)};
        if (start >= total)
            return {std::nullopt, roundedStartFault(track, true)};
        plan.pieces.append(SheetPiece{start, track.texts});
    }
    if (plan.pieces.isEmpty())
        return {std::nullopt, noTrackFault()};
    return {std::move(plan), {}};
}
