#include "image_checks.h"

#include "cd_frame.h"
#include "disc_layout.h"
#include "code_checks.h"
#include "pq_entries.h"
#include "system_error_text.h"

#include <QCoreApplication>
#include <QFile>

namespace {

using Result = CheckRow::Result;
using State = StreamFile::State;

QString number(qint64 value)
{
    return QString::number(value);
}

QString two(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QChar(u'0'));
}

QString hex(int value)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(value, 2, 16, QChar(u'0')).toUpper();
}

QString msf(qint64 frame)
{
    return pq::Msf(frame, QStringLiteral(":"));
}

// The checks' texts share one translation context.
class Checker {
    Q_DECLARE_TR_FUNCTIONS(ImageChecks)

public:
    Checker(const DdpImage& image, const ImageLayout& layout)
        : m_image(image)
        , m_layout(layout)
    {
    }

    QList<CheckRow> rows()
    {
        identity();
        for (const StreamFile& stream : m_image.streams)
            streamFile(stream);
        if (pq()) {
            numbering();
            times();
            firstTrack();
            shortTracks();
            leadOut();
            isrcs();
        }
        catalog();
        cdText();
        return m_rows;
    }

    static QString faultText(const ddp::RecordFault& fault);
    static QString blockName(const CdTextBlockRead& block);

private:
    void add(Result result, const QString& subject, const QString& finding)
    {
        m_rows.append({result, subject, finding});
    }

    void identity();
    void streamFile(const StreamFile& stream);
    bool pq();
    void numbering();
    void times();
    void firstTrack();
    void shortTracks();
    void leadOut();
    CodeChecks codeChecks(CdTextSet& codes) const;
    void isrcs();
    void catalog();
    void cdText();
    void cdTextBlock(const CdTextBlockRead& block);

    const DdpImage& m_image;
    const ImageLayout& m_layout;
    QList<CheckRow> m_rows;
};

QString Checker::faultText(const ddp::RecordFault& fault)
{
    using Field = ddp::RecordFault::Field;
    QString field;
    switch (fault.field) {
    case Field::Record: field = tr("ﾊﾟｹｯﾄ"); break;
    case Field::Level: field = tr("ﾚﾍﾞﾙ", "a field of a packet"); break;
    case Field::Length: field = tr("長さ", "a field of a packet"); break;
    case Field::Start: field = tr("開始位置"); break;
    case Field::Offset: field = tr("開始ﾊﾞｲﾄ"); break;
    case Field::NameLength: field = tr("ﾌｧｲﾙ名の長さ"); break;
    case Field::Track: field = tr("ﾄﾗｯｸ番号", "a field of a packet"); break;
    case Field::Index: field = tr("ｲﾝﾃﾞｯｸｽ"); break;
    case Field::Time: field = tr("時間", "a field of a packet"); break;
    }
    QString what;
    switch (fault.kind) {
    case ddp::RecordFault::Kind::WrongLength: what = tr("ﾚｺｰﾄﾞの長さが正しくありません"); break;
    case ddp::RecordFault::Kind::NoMarker: what = tr("%1の印がありません").arg(field); break;
    case ddp::RecordFault::Kind::NotDigits: what = tr("%1が数字ではありません").arg(field); break;
    case ddp::RecordFault::Kind::OutOfRange: what = tr("%1が範囲を超えています").arg(field); break;
    }
    return fault.packet == 0 ? what : tr("%1番目のﾊﾟｹｯﾄ: ").arg(fault.packet) + what;
}

QString Checker::blockName(const CdTextBlockRead& block)
{
    QString language;
    switch (block.language) {
    case 0x09: language = tr("英語"); break;
    case 0x69: language = tr("日本語"); break;
    case 0x08: language = tr("ﾄﾞｲﾂ語"); break;
    case 0x0F: language = tr("ﾌﾗﾝｽ語"); break;
    default: language = tr("言語ｺｰﾄﾞ %1").arg(hex(block.language)); break;
    }
    static const char* const Codes[] = {"ISO-8859-1", "ASCII", "MS-JIS"};
    const auto code = block.code();
    const QString charset = code == CdTextBlockRead::Code::Unknown ? hex(block.characterCode)
                                                                    : QString::fromLatin1(Codes[int(code)]);
    return tr("ﾌﾞﾛｯｸ%1 (%2, %3)").arg(block.block).arg(language, charset);
}

void Checker::identity()
{
    const ddp::Identity& id = m_image.id;
    const QString subject = QStringLiteral("DDPID");
    const QString level = QString::fromLatin1(id.level);
    if (id.level != "DDP 1.00" && id.level != "DDP 1.01" && id.level != "DDP 2.00")
        add(Result::Failed, subject, tr("ﾚﾍﾞﾙ「%1」は DDP 1.00、1.01、2.00 のどれでもありません").arg(level));
    else if (!id.type.isEmpty() && id.type != "CD")
        add(Result::Failed, subject, tr("CDのﾏｽﾀｰではありません (種別 %1)").arg(QString::fromLatin1(id.type)));
    else
        add(Result::Passed, subject, tr("%1、ﾏｽﾀｰID「%2」").arg(level, QString::fromLatin1(id.masterId)));
}

void Checker::streamFile(const StreamFile& stream)
{
    const QString subject = QFile::decodeName(stream.packet.name);
    switch (stream.state) {
    case State::OutsideFolder:
        return add(Result::Failed, subject, tr("ﾌｫﾙﾀﾞの外のﾌｧｲﾙを指しています"));
    case State::Missing: return add(Result::Failed, subject, tr("ﾌｧｲﾙがありません"));
    case State::Unreadable: return add(Result::Failed, subject, tr("読めません: ") + SystemErrorText(stream.error));
    case State::Present: break;
    }
    if (stream.kind == StreamFile::Kind::Other)
        return add(Result::NotChecked, subject,
                   tr("Sonvelleが読まないｽﾄﾘｰﾑです (%1 %2)")
                       .arg(QString::fromLatin1(stream.packet.type), QString::fromLatin1(stream.packet.subcode)));
    if (stream.size != stream.mappedBytes())
        return add(Result::Failed, subject,
                   tr("%1ﾊﾞｲﾄ (DDPMSでは%2ﾊﾞｲﾄ)").arg(number(stream.size), number(stream.mappedBytes())));
    add(Result::Passed, subject, tr("%1ﾊﾞｲﾄ").arg(number(stream.size)));
}

// The descriptor's own row when it could not be read; true when it was.
bool Checker::pq()
{
    const QString subject = QStringLiteral("PQ");
    switch (m_image.pqProblem) {
    case SubcodeProblem::Absent: add(Result::Failed, subject, tr("PQのｽﾄﾘｰﾑがありません")); return false;
    case SubcodeProblem::TooLarge: add(Result::Failed, subject, tr("大きすぎて読めません")); return false;
    case SubcodeProblem::Unreadable: add(Result::Failed, subject, tr("読めません")); return false;
    case SubcodeProblem::None: break;
    }
    if (m_image.pq.fault) {
        add(Result::Failed, subject, faultText(*m_image.pq.fault));
        return false;
    }
    add(Result::Passed, subject, tr("%1ﾊﾟｹｯﾄ").arg(m_image.pq.points.size()));
    return true;
}

void Checker::numbering()
{
    using Kind = LayoutFault::Kind;
    const QString subject = tr("ﾄﾗｯｸ番号");
    bool failed = false;
    for (const LayoutFault& fault : m_layout.faults) {
        QString finding;
        switch (fault.kind) {
        case Kind::Numbering: finding = tr("ﾄﾗｯｸ%1がﾄﾗｯｸ%2の次にあります").arg(two(fault.track), two(fault.previous)); break;
        case Kind::IndexOrder: finding = tr("ﾄﾗｯｸ%1のINDEX %2が順番どおりではありません").arg(two(fault.track), two(fault.index)); break;
        case Kind::NoIndex01: finding = tr("ﾄﾗｯｸ%1にINDEX 01がありません").arg(two(fault.track)); break;
        case Kind::NoTracks: finding = tr("ﾄﾗｯｸがありません"); break;
        case Kind::NoLeadOut: finding = tr("ﾘｰﾄﾞｱｳﾄがありません"); break;
        case Kind::TimeBackwards: continue;
        }
        add(Result::Failed, subject, finding);
        failed = true;
    }
    if (!failed)
        add(Result::Passed, subject, tr("01〜%1").arg(two(m_layout.tracks.last().number)));
}

void Checker::times()
{
    const QString subject = tr("時間");
    bool failed = false;
    for (const LayoutFault& fault : m_layout.faults) {
        if (fault.kind != LayoutFault::Kind::TimeBackwards)
            continue;
        const QString point = fault.track == pq::LeadOut ? tr("ﾘｰﾄﾞｱｳﾄ")
                                                         : tr("ﾄﾗｯｸ%1 INDEX %2").arg(two(fault.track), two(fault.index));
        add(Result::Failed, subject, tr("%1の時間が前の点の後にありません").arg(point));
        failed = true;
    }
    if (!failed)
        add(Result::Passed, subject, tr("すべての点が順に並んでいます"));
}

void Checker::firstTrack()
{
    if (m_layout.tracks.isEmpty())
        return;
    const QString subject = tr("ﾄﾗｯｸ01のINDEX 01");
    const qint64 start = m_layout.tracks.first().start;
    if (start == DiscLayout::PreGapFrames)
        add(Result::Passed, subject, msf(start));
    else
        add(Result::Failed, subject, tr("%1 (00:02:00ではありません)").arg(msf(start)));
}

void Checker::shortTracks()
{
    const QString subject = tr("ﾄﾗｯｸの長さ");
    bool failed = false;
    for (const LaidTrack& track : m_layout.tracks) {
        if (track.frames() < ShortestTrackFrames) {
            add(Result::Failed, subject, tr("ﾄﾗｯｸ%1: %2 (4秒より短い)").arg(two(track.number), msf(track.frames())));
            failed = true;
        }
    }
    if (!failed && !m_layout.tracks.isEmpty())
        add(Result::Passed, subject, tr("すべて4秒以上"));
}

void Checker::leadOut()
{
    if (!m_layout.leadOut)
        return;
    const QString subject = tr("ﾘｰﾄﾞｱｳﾄ");
    const ddp::MapPacket& main = m_image.mainStream()->packet;
    const qint64 end = main.start + main.length;
    if (*m_layout.leadOut == end)
        add(Result::Passed, subject, tr("%1 (ﾒｲﾝﾃﾞｰﾀの終わり)").arg(msf(end)));
    else
        add(Result::Failed, subject, tr("%1、ﾒｲﾝﾃﾞｰﾀの終わりは%2").arg(msf(*m_layout.leadOut), msf(end)));
}

CodeChecks Checker::codeChecks(CdTextSet& codes) const
{
    codes.disc.code = QString::fromLatin1(m_image.id.catalog);
    for (const LaidTrack& track : m_layout.tracks) {
        CdTextEntry entry;
        entry.code = QString::fromLatin1(track.isrc);
        codes.tracks.append(entry);
    }
    return CheckCodes(codes);
}

void Checker::isrcs()
{
    CdTextSet codes;
    const CodeChecks checks = codeChecks(codes);
    const QString isrcSubject = QStringLiteral("ISRC");
    const auto trackOf = [this](int i) { return two(m_layout.tracks[i].number); };
    for (const int i : checks.invalidIsrcs)
        add(Result::Failed, isrcSubject, tr("ﾄﾗｯｸ%1:「%2」はISRCの形ではありません").arg(trackOf(i), codes.tracks[i].code));
    for (const int i : checks.sharedIsrcs)
        add(Result::Failed, isrcSubject, tr("ﾄﾗｯｸ%1: %2は他のﾄﾗｯｸにもあります").arg(trackOf(i), codes.tracks[i].code));
    const qsizetype withIsrc = std::count_if(codes.tracks.begin(), codes.tracks.end(),
                                             [](const CdTextEntry& track) { return !track.code.isEmpty(); });
    if (withIsrc == 0)
        add(Result::NotChecked, isrcSubject, tr("ISRCがありません"));
    else if (checks.invalidIsrcs.isEmpty() && checks.sharedIsrcs.isEmpty())
        add(Result::Passed, isrcSubject, tr("%1ﾄﾗｯｸ").arg(withIsrc));
}

void Checker::catalog()
{
    CdTextSet codes;
    const CodeChecks checks = codeChecks(codes);
    const QString catalogSubject = tr("ｶﾀﾛｸﾞ番号");
    if (codes.disc.code.isEmpty())
        add(Result::NotChecked, catalogSubject, tr("ｶﾀﾛｸﾞ番号がありません"));
    else if (checks.invalidCatalog)
        add(Result::Failed, catalogSubject, tr("%1: ﾁｪｯｸﾃﾞｨｼﾞｯﾄが合いません").arg(codes.disc.code));
    else
        add(Result::Passed, catalogSubject, codes.disc.code);
}

void Checker::cdText()
{
    const QString subject = QStringLiteral("CD-TEXT");
    switch (m_image.cdTextProblem) {
    case SubcodeProblem::Absent: return add(Result::NotChecked, subject, tr("CD-TEXTがありません"));
    case SubcodeProblem::TooLarge: return add(Result::Failed, subject, tr("大きすぎて読めません"));
    case SubcodeProblem::Unreadable: return add(Result::Failed, subject, tr("読めません"));
    case SubcodeProblem::None: break;
    }
    const CdTextRead& read = *m_image.cdText;
    if (read.partialPack)
        add(Result::Failed, subject, tr("最後のﾊﾟｯｸが途中で終わっています"));
    QStringList bad;
    for (const int pack : read.badCrcPacks)
        bad.append(number(pack));
    if (bad.isEmpty())
        add(Result::Passed, subject, tr("%1ﾊﾟｯｸのCRC").arg(read.packs));
    else
        add(Result::Failed, subject, tr("CRCが合わないﾊﾟｯｸ: %1").arg(bad.join(QStringLiteral(", "))));
    for (const CdTextBlockRead& block : read.blocks)
        cdTextBlock(block);
}

void Checker::cdTextBlock(const CdTextBlockRead& block)
{
    const QString subject = QStringLiteral("CD-TEXT ") + blockName(block);
    if (!block.sizeInformation)
        return add(Result::Failed, subject, tr("ｻｲｽﾞ情報がありません"));
    for (const auto& mismatch : block.countMismatches)
        add(Result::Failed, subject, tr("種別%1のﾊﾟｯｸ: ｻｲｽﾞ情報では%2、実際は%3")
                                         .arg(hex(mismatch.type)).arg(mismatch.claimed).arg(mismatch.held));
    if (block.code() == CdTextBlockRead::Code::Unknown)
        add(Result::NotChecked, subject, tr("この文字ｺｰﾄﾞは読めません"));
    else if (block.countMismatches.isEmpty())
        add(Result::Passed, subject, tr("ﾄﾗｯｸ%1〜%2").arg(two(block.firstTrack), two(block.lastTrack)));
}

}  // namespace

QList<CheckRow> CheckRecords(const DdpImage& image, const ImageLayout& layout)
{
    return Checker(image, layout).rows();
}

QString RecordFaultText(const ddp::RecordFault& fault)
{
    return Checker::faultText(fault);
}

QString CdTextBlockName(const CdTextBlockRead& block)
{
    return Checker::blockName(block);
}
