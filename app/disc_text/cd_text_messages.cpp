#include "cd_text_messages.h"

#include <QCoreApplication>

namespace cdtextmessages {

namespace {

QString charsetName(CdTextCharset charset)
{
    return charset == CdTextCharset::Latin1 ? QCoreApplication::translate("CdTextMessages", "ISO-8859-1 (英語)")
                                            : QCoreApplication::translate("CdTextMessages", "MS-JIS (日本語)");
}

// The character with its code point, so that an invisible one is named too.
QString characterName(const QString& character)
{
    const QString code = QString::number(character.toUcs4().value(0), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("「%1」(U+%2)").arg(character, code);
}

QString fieldName(CdTextField field, bool disc)
{
    switch (field) {
    case CdTextField::Title:
        return QCoreApplication::translate("CdTextMessages", "ﾀｲﾄﾙ");
    case CdTextField::Performer:
        return QCoreApplication::translate("CdTextMessages", "演奏者");
    case CdTextField::Songwriter:
        return QCoreApplication::translate("CdTextMessages", "作詞者");
    case CdTextField::Composer:
        return QCoreApplication::translate("CdTextMessages", "作曲者");
    case CdTextField::Arranger:
        return QCoreApplication::translate("CdTextMessages", "編曲者");
    case CdTextField::Message:
        return QCoreApplication::translate("CdTextMessages", "ﾒｯｾｰｼﾞ");
    case CdTextField::Code:
        break;
    }
    return disc ? QCoreApplication::translate("CdTextMessages", "ｶﾀﾛｸﾞ番号(UPC/JAN)") : QStringLiteral("ISRC");
}

QString whereName(const std::optional<int>& track)
{
    return track ? QCoreApplication::translate("CdTextMessages", "No.%1").arg(*track + 1)
                 : QCoreApplication::translate("CdTextMessages", "ﾃﾞｨｽｸ");
}

QString sizeText(const CdTextPacks& packs)
{
    return QCoreApplication::translate("CdTextMessages", "%1/%2ﾊﾟｯｸ")
        .arg(packs.textPacks)
        .arg(CdTextPacks::TextPackCapacity);
}

}  // namespace

QString capacityLine(const CdTextPacks& packs)
{
    QString line = QCoreApplication::translate("CdTextMessages", "文字ｺｰﾄﾞ: %1  容量: %2")
                       .arg(charsetName(packs.charset), sizeText(packs));
    if (!packs.faults.isEmpty())
        line += QCoreApplication::translate("CdTextMessages", "  書けない文字: %1")
                    .arg(characterName(packs.faults.first().character));
    else if (!packs.fits())
        line += QCoreApplication::translate("CdTextMessages", "  容量を超えています");
    return line;
}

QString refusal(const CdTextPacks& packs)
{
    const QString newLine = QStringLiteral("\r\n");
    if (packs.faults.isEmpty())
        return QCoreApplication::translate("CdTextMessages", "CD-TEXTがﾃﾞｨｽｸの容量を超えています(%1)。")
                   .arg(sizeText(packs)) +
               newLine +
               QCoreApplication::translate("CdTextMessages", "CD-TEXTの編集で文字を減らしてください。");
    const CdTextFault& fault = packs.faults.first();
    const QString where = whereName(fault.track);
    const QString field = fieldName(fault.field, !fault.track);
    return QCoreApplication::translate("CdTextMessages", "%1の%2に、%3のCD-TEXTに書けない文字%4があります。")
               .arg(where, field, charsetName(packs.charset), characterName(fault.character)) +
           newLine + QCoreApplication::translate("CdTextMessages", "CD-TEXTの編集で直してください。");
}

QString invalidCode(const CdTextSet& texts, const CodeChecks& checks)
{
    const std::optional<int> track =
        checks.invalidCatalog ? std::nullopt : std::optional(checks.invalidIsrcs.value(0));
    const QString code = track ? texts.tracks.value(*track).code : texts.disc.code;
    const QString rule =
        track ? QCoreApplication::translate("CdTextMessages", "ISRCは英字2文字(国)、英数字3文字(登録者)、数字2桁(年)、数字5桁(番号)の12文字です。ﾊｲﾌﾝは省けます。")
              : QCoreApplication::translate("CdTextMessages", "ｶﾀﾛｸﾞ番号は13桁(EAN-13、JAN)か12桁(UPC-A)の数字で、最後の桁はﾁｪｯｸﾃﾞｼﾞｯﾄです。");
    return QCoreApplication::translate("CdTextMessages", "%1の%2「%3」は正しくありません。")
               .arg(whereName(track), fieldName(CdTextField::Code, !track), code) +
           QStringLiteral("\r\n") + rule;
}

}  // namespace cdtextmessages
